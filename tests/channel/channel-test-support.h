#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <json/value.h>

#include <vector>

class Connection;

// Shared by the channel tests and benchmarks: a log file to read back, real
// sockets, and the service simulator as a child process.
namespace ChannelTest {

// Sends the process's log to a fresh file and reads it back.
class LogCapture
{
public:
    LogCapture();
    QByteArray text() const;
    int count(const QByteArray &needle) const;

private:
    QTemporaryDir dir;
    QString path;
};

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

// A child process that ends with the test: a test stopped by a crash or a
// sanitizer report must not leave it running, holding CTest's output open.
class ChildProcess : public QProcess
{
protected:
    void setupChildProcess() override;
};

// The service simulator, running in a temporary folder until destroyed.
class Simulator
{
public:
    explicit Simulator(const QStringList &arguments = {});
    ~Simulator();

    // Starts it and waits until it listens; false if it does not.
    bool start();
    // Sends a console command and waits for its answer: by default the "ok:" line.
    bool command(const QString &line, const QString &answer = QString());
    // Everything it printed so far.
    QString output();
    QString endpoint() const { return dir.filePath("service.sock"); }
    QString dataDir() const { return dir.filePath("data"); }

private:
    bool waitForOutput(const QString &text, int from);

    QTemporaryDir dir;
    QStringList arguments;
    ChildProcess process;
    QString printed;
};

} // namespace ChannelTest
