#include "service-pipe.h"

#include "windows-connection.h"

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
    const std::wstring name = endpoint.toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_ACCESS_DENIED ? cmAccessDenied : cmUnavailable;
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
