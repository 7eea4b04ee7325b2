#pragma once

#include "connection.h"
#include "frame.h"

// Framed exchange over a connected, non-blocking Unix-domain stream socket.
// The socket belongs to whoever opened it: this object never closes it.
class UnixConnection final : public Connection
{
public:
    // -1 while no socket is attached.
    void setHandle(int socket);
    // Waits of kWaitMs each that one pending read or write may take.
    void setMaxWaits(int waits);

    int send(const std::vector<char> &payload) override;
    int recv(std::vector<char> &message) override;

private:
    // Waits until the socket is ready for `events`, at most maxWaits times.
    bool waitForIo(short events) const;

    int socketFd = -1;
    int maxWaits = Frame::kDefaultMaxWaits;
};
