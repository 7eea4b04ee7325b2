#include "file-logger-platform.h"

#include <windows.h>

#include <cstdio>
#include <io.h>
#include <vector>

namespace logplatform {
namespace {

std::wstring widen(const std::string &utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], length);
    return wide;
}

} // namespace

FILE *openForAppend(const std::string &path)
{
    FILE *stream = _wfopen(widen(path).c_str(), L"a,ccs=UTF-8");
    if (stream)
        SetHandleInformation(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))),
                             HANDLE_FLAG_INHERIT, 0);
    return stream;
}

bool fileSize(const std::string &path, FILE *, std::uint64_t &size, std::string &error)
{
    // A separate handle with full sharing, so that the open stream is not disturbed.
    HANDLE handle = CreateFileW(widen(path).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = "CreateFile(" + path + "): error code " + std::to_string(GetLastError()) + "\n";
        return false;
    }
    LARGE_INTEGER value;
    const BOOL ok = GetFileSizeEx(handle, &value);
    const DWORD code = GetLastError();
    CloseHandle(handle);
    if (!ok) {
        error = "GetFileSizeEx(" + path + "): error code " + std::to_string(code) + "\n";
        return false;
    }
    size = static_cast<std::uint64_t>(value.QuadPart);
    return true;
}

int writeText(FILE *stream, const std::string &text)
{
    // The stream is in the runtime's UTF-8 mode, which takes wide text. The
    // runtime reports a failed write as WEOF, which is not negative.
    return fputws(widen(text).c_str(), stream) == WEOF ? -1 : int(text.size());
}

bool renameFile(const std::string &from, const std::string &to)
{
    return _wrename(widen(from).c_str(), widen(to).c_str()) == 0;
}

void removeFile(const std::string &path)
{
    _wremove(widen(path).c_str());
}

void localAndUtcTime(std::time_t when, std::tm &local, std::tm &utc)
{
    localtime_s(&local, &when);
    gmtime_s(&utc, &when);
}

} // namespace logplatform
