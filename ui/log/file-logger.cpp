#include "file-logger.h"

#include "file-logger-platform.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr std::int32_t kRotateAbove = 1048576;

struct LogComponentState
{
    bool ready = true;
    int target = LogToStderr;
    FILE *stream = stderr;
    std::string fileName;
    std::string prefix;
    int maxBackups = 50;
    std::int32_t sizeCount = 0;
    int lockMode = 0;
    std::unique_ptr<std::mutex> writeLock;
};

std::mutex &registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, LogComponentState> &registry()
{
    static std::map<std::string, LogComponentState> components;
    return components;
}

// Map nodes never move, so the reference stays valid while other names are added.
LogComponentState &componentState(const std::string &name)
{
    std::lock_guard<std::mutex> guard(registryMutex());
    return registry()[name];
}

std::string rotatedName(const std::string &fileName, int number)
{
    return fileName + "_" + std::to_string(number);
}

std::string vformat(const char *format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return std::string();
    std::string text(std::size_t(length) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(std::size_t(length));
    return text;
}

// "+hhmm"/"-hhmm", computed from the broken-down times so that every platform
// prints the same form.
std::string utcOffset(const std::tm &local, const std::tm &utc)
{
    int dayDelta = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year)
        dayDelta = local.tm_year > utc.tm_year ? 1 : -1;
    int minutes = dayDelta * 1440 + (local.tm_hour - utc.tm_hour) * 60 + (local.tm_min - utc.tm_min);
    const char sign = minutes < 0 ? '-' : '+';
    if (minutes < 0)
        minutes = -minutes;
    char text[8];
    std::snprintf(text, sizeof text, "%c%02d%02d", sign, minutes / 60 % 100, minutes % 60);
    return text;
}

std::string timeStamp(int level)
{
    if (level < 0 || level > 7)
        return std::string();
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const int millis = int(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm local{};
    std::tm utc{};
    logplatform::localAndUtcTime(seconds, local, utc);
    char date[32];
    std::strftime(date, sizeof date, "%Y/%m/%d %H:%M:%S ", &local);
    std::string text = std::string(date) + utcOffset(local, utc) + " ";
    if (level == 7)
        text += ":" + std::to_string(millis) + " ";
    return text;
}

void closeStream(LogComponentState &state)
{
    if (state.target == LogToFile && state.stream)
        std::fclose(state.stream);
    state.stream = nullptr;
}

// Held for a whole write or rotation: the stream may be closed and reopened
// under it, so nothing of the state is read before it is taken.
std::unique_lock<std::mutex> lockWrites(LogComponentState &state)
{
    return state.writeLock ? std::unique_lock<std::mutex>(*state.writeLock) : std::unique_lock<std::mutex>();
}

// The caller holds the write lock. The fresh file starts the count again,
// whether or not it could be opened.
int rotateFiles(LogComponentState &state)
{
    for (int n = state.maxBackups - 2; n >= 0; --n)
        logplatform::renameFile(rotatedName(state.fileName, n), rotatedName(state.fileName, n + 1));
    logplatform::removeFile(rotatedName(state.fileName, state.maxBackups - 1));

    closeStream(state);
    state.sizeCount = 0;
    if (!logplatform::renameFile(state.fileName, rotatedName(state.fileName, 0)))
        return -1;
    state.stream = logplatform::openForAppend(state.fileName);
    return state.stream ? 0 : -1;
}

} // namespace

void logReset(const std::string &component)
{
    auto &components = registry();
    const auto found = components.find(component);
    if (found == components.end())
        return;
    found->second.ready = false;
    closeStream(found->second);
    components.erase(found);
}

int logInit(int target, const std::string &logFile, const std::string &prefix, int maxBackups,
            int lockMode, const std::string &component)
{
    std::lock_guard<std::mutex> guard(registryMutex());
    logReset(component);
    LogComponentState &state = registry()[component];
    state.ready = false;
    state.fileName = logFile;
    state.lockMode = target == LogToFile ? lockMode : 0;
    if (state.lockMode >= 1)
        state.writeLock = std::make_unique<std::mutex>();
    state.target = target;
    state.prefix = prefix;

    if (target != LogToFile) {
        state.stream = target == LogToStdout ? stdout : target == LogToStderr ? stderr : nullptr;
        state.fileName.clear();
        state.ready = true;
        return 0;
    }

    state.stream = nullptr;
    if (state.fileName.empty())
        return -1;
    FILE *stream = logplatform::openForAppend(state.fileName);
    if (!stream)
        return -1;
    state.stream = stream;
    state.maxBackups = maxBackups;

    std::uint64_t size = 0;
    std::string error;
    if (logplatform::fileSize(state.fileName, stream, size, error)) {
        state.sizeCount = std::int32_t(std::uint32_t(size));
    } else {
        logplatform::writeText(stream, timeStamp(6) + error);
        std::fflush(stream);
        state.sizeCount = 0;
    }
    state.ready = true;
    return 0;
}

int logInitAgentFile(const std::string &logFile)
{
    return logInit(LogToFile, logFile, "", 50, 1, kLogDefaultComponent);
}

int logRotate(const std::string &component)
{
    LogComponentState &state = componentState(component);
    const std::unique_lock<std::mutex> lock = lockWrites(state);
    // Only a file has copies to shift; a standard stream must stay open.
    if (state.target != LogToFile)
        return -1;
    return rotateFiles(state);
}

void logWrite(const std::string &component, int level, const char *format, va_list args)
{
    LogComponentState &state = componentState(component);
    const std::unique_lock<std::mutex> lock = lockWrites(state);
    if (!state.ready || !state.stream)
        return;

    std::string lineFormat = state.prefix + format;
    if (lineFormat.empty() || lineFormat.back() != '\n')
        lineFormat += '\n';

    const int written = logplatform::writeText(state.stream, timeStamp(level) + vformat(lineFormat.c_str(), args));
    std::fflush(state.stream);

    if (state.target == LogToFile && written >= 0) {
        const std::int64_t counted = std::int64_t(state.sizeCount) + written;
        if (counted > kRotateAbove)
            rotateFiles(state);
        else
            state.sizeCount = std::int32_t(counted);
    }
}

void logPrint(int level, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    logWrite(kLogDefaultComponent, level, format, args);
    va_end(args);
}
