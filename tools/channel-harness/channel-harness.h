#pragma once

#include <QByteArray>
#include <QString>

#include <json/value.h>

#include <vector>

class Connection;

// The agent's channel driven from outside: raw Unix-socket ends, messages
// written and read as the agent writes and reads them, and one framed
// exchange. Shared by the channel tests and the benchmarks.
namespace ChannelHarness {

// An owned socket descriptor, closed on destruction.
struct Socket
{
    int fd = -1;
    Socket() = default;
    explicit Socket(int descriptor) : fd(descriptor) {}
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    ~Socket();
    void close();
};

// A connected stream pair: `ours` is non-blocking (the agent's end), `peers` blocking.
void socketPair(Socket &ours, Socket &peers);
// A non-blocking client socket connected to `path`, or -1.
int connectTo(const QString &path);

// Writes every byte, blocking.
bool writeAll(int fd, const QByteArray &bytes);
// Reads exactly `size` bytes, blocking; fewer if the peer hangs up.
QByteArray readExactly(int fd, int size);

std::vector<char> bytes(const QByteArray &text);
std::vector<char> compactJson(const Json::Value &value);
// Parses a reply payload; a null value when it is not JSON.
Json::Value parseJson(const std::vector<char> &payload);
// One framed request and its reply over `connection`: the reply's length
// (or the failing result) and the parsed reply.
int exchange(Connection &connection, const Json::Value &request, Json::Value *reply);

} // namespace ChannelHarness
