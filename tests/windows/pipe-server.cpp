#include "pipe-server.h"

#include <atomic>

namespace {

// Large enough that every reply a test writes fits at once, so that where the
// client's reads cut it does not depend on timing.
constexpr DWORD kBufferSize = 64 * 1024;

std::wstring freshName()
{
    static std::atomic<int> counter{0};
    return L"\\\\.\\pipe\\lodestar-test-" + std::to_wstring(GetCurrentProcessId()) + L"-"
        + std::to_wstring(++counter);
}

// Starts an overlapped operation through `start` and waits for its end.
template <typename Start>
bool finish(HANDLE handle, DWORD &transferred, Start start)
{
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!overlapped.hEvent)
        return false;
    bool done = start(&overlapped);
    if (!done && GetLastError() == ERROR_IO_PENDING)
        done = GetOverlappedResult(handle, &overlapped, &transferred, TRUE);
    CloseHandle(overlapped.hEvent);
    return done;
}

} // namespace

PipeServer::PipeServer(DWORD direction) : pipeName(freshName())
{
    handle = CreateNamedPipeW(pipeName.c_str(), direction | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                              PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, kBufferSize, kBufferSize, 0,
                              nullptr);
}

PipeServer::~PipeServer()
{
    close();
}

bool PipeServer::accept()
{
    DWORD ignored = 0;
    return finish(handle, ignored, [this](OVERLAPPED *overlapped) {
        return ConnectNamedPipe(handle, overlapped) || GetLastError() == ERROR_PIPE_CONNECTED;
    });
}

bool PipeServer::writeAll(const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD moved = 0;
        const bool written = finish(handle, moved, [&](OVERLAPPED *overlapped) {
            return WriteFile(handle, bytes.data() + done, DWORD(bytes.size() - done), &moved, overlapped);
        });
        if (!written)
            return false;
        done += moved;
    }
    return true;
}

std::string PipeServer::readExactly(std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        DWORD moved = 0;
        const bool read = finish(handle, moved, [&](OVERLAPPED *overlapped) {
            return ReadFile(handle, &bytes[done], DWORD(size - done), &moved, overlapped);
        });
        if (!read || moved == 0)
            break;
        done += moved;
    }
    bytes.resize(done);
    return bytes;
}

void PipeServer::close()
{
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
}

std::wstring unusedPipeName()
{
    return freshName();
}
