#pragma once

#include "cm-error.h"

#include <QString>

#include <memory>

class Connection;

// The agent's end of the channel to the local service: the platform's pipe or
// socket, and the connection that frames messages over it. Closed until
// opened; closed again on request and on destruction.
class ServicePipe
{
public:
    ServicePipe();
    ~ServicePipe();
    ServicePipe(const ServicePipe &) = delete;
    ServicePipe &operator=(const ServicePipe &) = delete;

    // Connects to the service at `endpoint`: cmNoError, cmAccessDenied when the
    // system refused this user, cmUnavailable for any other failure. Never waits
    // for a busy service and never tries twice.
    cmError open(const QString &endpoint);
    bool isOpen() const;
    void close();

    // Waits of Frame::kWaitMs that one pending read or write may take, for
    // this connection and the ones opened after it.
    void setMaxWaits(int waits);

    // Valid while open.
    Connection &connection();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
