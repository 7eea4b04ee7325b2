#include "service-pipe.h"

#include "windows-connection.h"
#include "windows-pipe.h"

struct ServicePipe::Private
{
    HANDLE pipeHandle = INVALID_HANDLE_VALUE;
    WindowsConnection connection;
};

ServicePipe::ServicePipe() : d(std::make_unique<Private>()) {}

ServicePipe::~ServicePipe()
{
    close();
}

cmError ServicePipe::open(const QString &endpoint)
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    const cmError opened = openWindowsPipe(endpoint.toStdWString(), handle);
    if (opened != cmNoError)
        return opened;
    d->pipeHandle = handle;
    d->connection.setHandle(handle);
    return cmNoError;
}

bool ServicePipe::isOpen() const
{
    return d->pipeHandle != INVALID_HANDLE_VALUE;
}

void ServicePipe::close()
{
    if (d->pipeHandle != INVALID_HANDLE_VALUE)
        CloseHandle(d->pipeHandle);
    d->pipeHandle = INVALID_HANDLE_VALUE;
    d->connection.setHandle(INVALID_HANDLE_VALUE);
}

void ServicePipe::setMaxWaits(int waits)
{
    d->connection.setMaxWaits(waits);
}

Connection &ServicePipe::connection()
{
    return d->connection;
}
