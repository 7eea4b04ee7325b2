#include "channel-harness.h"

#include "connection.h"
#include "json-message.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ChannelHarness {

Socket::~Socket()
{
    close();
}

void Socket::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void socketPair(Socket &ours, Socket &peers)
{
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return;
    ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    ours.fd = fds[0];
    peers.fd = fds[1];
}

int connectTo(const QString &path)
{
    const QByteArray name = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(name.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t moved = ::send(fd, bytes.constData() + done, std::size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved <= 0)
            return false;
        done += moved;
    }
    return true;
}

QByteArray readExactly(int fd, int size)
{
    QByteArray read(size, '\0');
    int done = 0;
    while (done < size) {
        const ssize_t got = ::recv(fd, read.data() + done, std::size_t(size - done), 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += int(got);
    }
    read.truncate(done);
    return read;
}

std::vector<char> bytes(const QByteArray &text)
{
    return std::vector<char>(text.begin(), text.end());
}

std::vector<char> compactJson(const Json::Value &value)
{
    const std::string text = JsonMessage::write(value);
    return std::vector<char>(text.begin(), text.end());
}

Json::Value parseJson(const std::vector<char> &payload)
{
    Json::Value value;
    JsonMessage::parse(payload.data(), payload.data() + payload.size(), value);
    return value;
}

int exchange(Connection &connection, const Json::Value &request, Json::Value *reply)
{
    const std::vector<char> payload = compactJson(request);
    const int sent = connection.send(payload);
    if (sent != int(payload.size()))
        return sent;
    std::vector<char> received;
    const int got = connection.recv(received);
    *reply = got > 0 ? parseJson(received) : Json::Value();
    return got;
}

} // namespace ChannelHarness
