#include "windows-pipe.h"

cmError openWindowsPipe(const std::wstring &name, HANDLE &handle)
{
    handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OVERLAPPED, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        return cmNoError;
    return GetLastError() == ERROR_ACCESS_DENIED ? cmAccessDenied : cmUnavailable;
}
