// Opening the service's pipe: what the agent is told for each way it can go.
#include "check.h"
#include "pipe-server.h"

#include "windows-pipe.h"

namespace {

void opensAServiceThatWaits()
{
    PipeServer service;
    CHECK(service.created());
    HANDLE handle = INVALID_HANDLE_VALUE;
    CHECK_EQUAL(openWindowsPipe(service.name(), handle), cmNoError);
    CHECK(handle != INVALID_HANDLE_VALUE);
    const bool accepted = service.accept();
    CloseHandle(handle);
    CHECK(accepted);
}

// `systemError` is the reason the system gives, checked so that each case is
// the one it names.
void checkRefusedOpening(const std::wstring &name, DWORD systemError, cmError expected)
{
    HANDLE handle = reinterpret_cast<HANDLE>(1);
    const cmError result = openWindowsPipe(name, handle);
    CHECK_EQUAL(GetLastError(), systemError);
    CHECK_EQUAL(result, expected);
    CHECK(handle == INVALID_HANDLE_VALUE);
}

void missingPipeIsUnavailable()
{
    checkRefusedOpening(unusedPipeName(), ERROR_FILE_NOT_FOUND, cmUnavailable);
}

// The single instance already serves another client; nobody waits for it.
void busyPipeIsUnavailable()
{
    PipeServer service;
    CHECK(service.created());
    HANDLE firstClient = INVALID_HANDLE_VALUE;
    CHECK_EQUAL(openWindowsPipe(service.name(), firstClient), cmNoError);
    checkRefusedOpening(service.name(), ERROR_PIPE_BUSY, cmUnavailable);
    CloseHandle(firstClient);
}

// A pipe that only takes what clients write refuses a client that asks to read.
void refusedPipeIsAccessDenied()
{
    PipeServer service(PIPE_ACCESS_INBOUND);
    CHECK(service.created());
    checkRefusedOpening(service.name(), ERROR_ACCESS_DENIED, cmAccessDenied);
}

} // namespace

int main()
{
    return Check::runCases({
        {"opensAServiceThatWaits", opensAServiceThatWaits},
        {"missingPipeIsUnavailable", missingPipeIsUnavailable},
        {"busyPipeIsUnavailable", busyPipeIsUnavailable},
        {"refusedPipeIsAccessDenied", refusedPipeIsAccessDenied},
    });
}
