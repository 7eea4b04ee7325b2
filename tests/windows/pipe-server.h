#pragma once

#include <cstddef>
#include <string>

#include <windows.h>

// The service's end of a fresh named pipe, created as the service creates
// it: overlapped, byte mode, a single instance, under a name no other test
// uses. Its reads and writes wait until they are done.
class PipeServer
{
public:
    // PIPE_ACCESS_DUPLEX, or PIPE_ACCESS_INBOUND for a pipe that only takes
    // what clients write, which clients asking to read are refused.
    explicit PipeServer(DWORD direction = PIPE_ACCESS_DUPLEX);
    ~PipeServer();
    PipeServer(const PipeServer &) = delete;
    PipeServer &operator=(const PipeServer &) = delete;

    const std::wstring &name() const { return pipeName; }
    bool created() const { return handle != INVALID_HANDLE_VALUE; }

    // Completes the connection of the client that has opened the pipe.
    bool accept();
    bool writeAll(const std::string &bytes);
    // Exactly `size` bytes, or fewer when the client's end goes away first.
    std::string readExactly(std::size_t size);
    // The service goes away; what it wrote stays readable for the client.
    void close();

private:
    std::wstring pipeName;
    HANDLE handle = INVALID_HANDLE_VALUE;
};

// A pipe name that no pipe has.
std::wstring unusedPipeName();
