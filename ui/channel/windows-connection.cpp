#include "windows-connection.h"

#include "file-logger.h"
#include "frame-stream.h"

#include <algorithm>

namespace {

DWORD chunkOf(std::size_t size)
{
    return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
}

bool stillPending(DWORD error)
{
    return error == ERROR_IO_PENDING || error == ERROR_IO_INCOMPLETE;
}

} // namespace

void WindowsConnection::setHandle(HANDLE handle)
{
    readHandle = handle;
    writeHandle = handle;
}

void WindowsConnection::setMaxWaits(int waits)
{
    maxWaits = waits;
}

bool WindowsConnection::initOverlapped(GenericScopedHandle<OverlappedTraits> &ov)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event) {
        LOG_ERROR("initOverlapped %d", static_cast<int>(GetLastError()));
        return false;
    }
    ov.release();
    ov.get()->hEvent = event;
    return true;
}

int WindowsConnection::send(const std::vector<char> &payload)
{
    GenericScopedHandle<OverlappedTraits> ov;
    if (!initOverlapped(ov))
        return -1;
    return Frame::sendFrame(payload, maxWaits, [&](const char *data, std::size_t size) -> long {
        DWORD transferred = 0;
        if (!WriteFile(writeHandle, data, chunkOf(size), &transferred, ov.get())) {
            const DWORD error = GetLastError();
            if (!stillPending(error)) {
                LOG_ERROR("WriteFile %d", static_cast<int>(error));
                return -1;
            }
            if (!waitForIo(&transferred, writeHandle, ov))
                return -1;
        }
        return static_cast<long>(transferred);
    });
}

int WindowsConnection::recv(std::vector<char> &message)
{
    GenericScopedHandle<OverlappedTraits> ov;
    if (!initOverlapped(ov))
        return -1;
    return Frame::recvFrame(message, [&](char *buffer, std::size_t capacity) -> long {
        DWORD transferred = 0;
        if (!ReadFile(readHandle, buffer, chunkOf(capacity), &transferred, ov.get())) {
            const DWORD error = GetLastError();
            if (!stillPending(error)) {
                LOG_ERROR("ReadFile %d", static_cast<int>(error));
                return -1;
            }
            if (!waitForIo(&transferred, readHandle, ov))
                return -1;
        }
        return static_cast<long>(transferred);
    });
}

bool WindowsConnection::waitForIo(DWORD *transferred, HANDLE file,
                                  GenericScopedHandle<OverlappedTraits> &ov) const
{
    for (int wait = 0; wait < maxWaits; ++wait) {
        const DWORD result = WaitForSingleObject(ov.get()->hEvent, Frame::kWaitMs);
        if (result == WAIT_OBJECT_0) {
            if (GetOverlappedResult(file, ov.get(), transferred, FALSE))
                return true;
            const DWORD error = GetLastError();
            if (stillPending(error))
                continue;
            LOG_ERROR("GetOverlappedResult %d", static_cast<int>(error));
            return false;
        }
        if (result == WAIT_FAILED || result == WAIT_ABANDONED) {
            LOG_ERROR("WaitForSingleObject %d", static_cast<int>(GetLastError()));
            CancelIoEx(file, ov.get());
            awaitCancelled(file, ov);
            return false;
        }
    }
    const BOOL cancelled = CancelIoEx(file, ov.get());
    const DWORD error = GetLastError();
    LOG_ERROR("cancel due to timeout %d %d", static_cast<int>(cancelled), static_cast<int>(error));
    awaitCancelled(file, ov);
    return false;
}

void WindowsConnection::awaitCancelled(HANDLE file, GenericScopedHandle<OverlappedTraits> &ov)
{
    // The kernel owns the record and the caller's buffer until the cancelled
    // operation has ended; both go away when the caller returns.
    DWORD ignored = 0;
    GetOverlappedResult(file, ov.get(), &ignored, TRUE);
}
