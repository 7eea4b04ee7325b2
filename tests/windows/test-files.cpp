#include "test-files.h"

#include "file-logger.h"

#include <atomic>
#include <cstdio>

#include <windows.h>

namespace {

std::filesystem::path fromUtf8(const std::string &utf8)
{
    return std::filesystem::u8path(utf8);
}

} // namespace

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    folder = std::filesystem::temp_directory_path()
        / ("lodestar-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(folder);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TempFolder::file(const std::string &utf8Name) const
{
    return (folder / fromUtf8(utf8Name)).u8string();
}

std::string readFile(const std::string &utf8Path)
{
    std::string bytes;
    FILE *stream = _wfopen(fromUtf8(utf8Path).c_str(), L"rb");
    if (!stream)
        return bytes;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        bytes.append(chunk, got);
    std::fclose(stream);
    return bytes;
}

bool fileExists(const std::string &utf8Path)
{
    std::error_code ignored;
    return std::filesystem::exists(fromUtf8(utf8Path), ignored);
}

LogCapture::LogCapture() : path(folder.file("ui.txt"))
{
    logInitAgentFile(path);
}

LogCapture::~LogCapture()
{
    // An open file could not be removed with its folder.
    logReset(kLogDefaultComponent);
}

std::string LogCapture::text() const
{
    return readFile(path);
}

int LogCapture::count(const std::string &needle) const
{
    const std::string all = text();
    int found = 0;
    for (std::size_t at = all.find(needle); at != std::string::npos; at = all.find(needle, at + needle.size()))
        ++found;
    return found;
}
