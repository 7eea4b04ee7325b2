#include "file-logger-platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace logplatform {

FILE *openForAppend(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return nullptr;
    FILE *stream = ::fdopen(fd, "a");
    if (!stream)
        ::close(fd);
    return stream;
}

bool fileSize(const std::string &path, FILE *stream, std::uint64_t &size, std::string &error)
{
    struct stat info;
    if (::fstat(::fileno(stream), &info) != 0) {
        error = "fstat(" + path + "): error code " + std::to_string(errno) + "\n";
        return false;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

int writeText(FILE *stream, const std::string &text)
{
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stream);
    return written == text.size() ? int(written) : -1;
}

bool renameFile(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeFile(const std::string &path)
{
    std::remove(path.c_str());
}

void localAndUtcTime(std::time_t when, std::tm &local, std::tm &utc)
{
    ::localtime_r(&when, &local);
    ::gmtime_r(&when, &utc);
}

} // namespace logplatform
