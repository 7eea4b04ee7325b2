#include "unix-connection.h"

#include "file-logger.h"
#include "frame-stream.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

void UnixConnection::setHandle(int socket)
{
    socketFd = socket;
}

void UnixConnection::setMaxWaits(int waits)
{
    maxWaits = waits;
}

int UnixConnection::send(const std::vector<char> &payload)
{
    return Frame::sendFrame(payload, maxWaits, [this](const char *data, std::size_t size) -> long {
        for (;;) {
            // MSG_NOSIGNAL: a peer that has gone away is a failed write, not a dead agent.
            const ssize_t moved = ::send(socketFd, data, size, MSG_NOSIGNAL);
            if (moved >= 0)
                return moved;
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                LOG_ERROR("WriteFile %d", errno);
                return -1;
            }
            if (!waitForIo(POLLOUT))
                return -1;
        }
    });
}

int UnixConnection::recv(std::vector<char> &message)
{
    return Frame::recvFrame(message, [this](char *buffer, std::size_t capacity) -> long {
        for (;;) {
            const ssize_t got = ::recv(socketFd, buffer, capacity, 0);
            if (got > 0)
                return got;
            if (got == 0) {
                // The peer hung up before the end marker: a broken pipe, not an empty read.
                LOG_ERROR("ReadFile %d", EPIPE);
                return -1;
            }
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                LOG_ERROR("ReadFile %d", errno);
                return -1;
            }
            if (!waitForIo(POLLIN))
                return -1;
        }
    });
}

bool UnixConnection::waitForIo(short events) const
{
    for (int wait = 0; wait < maxWaits; ++wait) {
        pollfd entry{socketFd, events, 0};
        const int ready = ::poll(&entry, 1, Frame::kWaitMs);
        // Readiness includes a hang-up or an error: the retried call reports which.
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR) {
            LOG_ERROR("WaitForSingleObject %d", errno);
            return false;
        }
    }
    // Nothing stays in flight on a non-blocking socket, so giving up always
    // cancels cleanly: the result is 1 and there is no error.
    LOG_ERROR("cancel due to timeout %d %d", 1, 0);
    return false;
}
