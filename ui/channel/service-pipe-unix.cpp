#include "service-pipe.h"

#include "unix-connection.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

struct ServicePipe::Private
{
    int socketFd = -1;
    UnixConnection connection;
};

ServicePipe::ServicePipe() : d(std::make_unique<Private>()) {}

ServicePipe::~ServicePipe()
{
    close();
}

cmError ServicePipe::open(const QString &endpoint)
{
    const QByteArray path = endpoint.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return cmUnavailable;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return cmUnavailable;
    // Non-blocking, so a service with a full backlog fails at once (EAGAIN)
    // instead of holding the worker.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EACCES || error == EPERM ? cmAccessDenied : cmUnavailable;
    }
    d->socketFd = fd;
    d->connection.setHandle(fd);
    return cmNoError;
}

bool ServicePipe::isOpen() const
{
    return d->socketFd >= 0;
}

void ServicePipe::close()
{
    if (d->socketFd >= 0)
        ::close(d->socketFd);
    d->socketFd = -1;
    d->connection.setHandle(-1);
}

void ServicePipe::setMaxWaits(int waits)
{
    d->connection.setMaxWaits(waits);
}

Connection &ServicePipe::connection()
{
    return d->connection;
}
