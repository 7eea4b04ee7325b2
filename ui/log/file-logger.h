#pragma once

#include <cstdarg>
#include <string>

// The agent's diagnostic log: one time-stamped line per call, appended to a
// UTF-8 file that is rotated past 1 MiB. Components are named outputs; the
// agent configures and uses exactly one, "DEFAULT".

#if defined(__GNUC__)
#define LOG_PRINTF_FORMAT(fmtIndex, firstArg) __attribute__((format(printf, fmtIndex, firstArg)))
#else
#define LOG_PRINTF_FORMAT(fmtIndex, firstArg)
#endif

enum LogTarget : int { LogToNothing = 0, LogToStdout = 1, LogToStderr = 2, LogToFile = 3 };
// The levels of the two logging forms, numbered as syslog numbers them.
enum LogLevel : int { LogLevelError = 3, LogLevelInfo = 6 };

// The component that LOG_ERROR and LOG_INFO write to.
inline const char *const kLogDefaultComponent = "DEFAULT";

// (Re)configures one component. Returns 0 on success, -1 when target 3 has no
// file name or the file cannot be opened (the component then writes nothing).
int logInit(int target, const std::string &logFile, const std::string &prefix, int maxBackups,
            int lockMode, const std::string &component);

void logWrite(const std::string &component, int level, const char *format, va_list args);
void logPrint(int level, const char *format, ...) LOG_PRINTF_FORMAT(2, 3);

// The agent's own set-up: the default component appends to `logFile`,
// keeping 50 rotated copies, with writes from several threads serialised.
int logInitAgentFile(const std::string &logFile);

int logRotate(const std::string &component);
void logReset(const std::string &component);

// The part of a compile-time path after its last separator.
constexpr const char *logBaseName(const char *path)
{
    const char *base = path;
    for (const char *p = path; *p; ++p) {
        if (*p == '/' || *p == '\\')
            base = p + 1;
    }
    return base;
}

#define LOG_ERROR(format, ...) \
    logPrint(LogLevelError, "[ERROR][%s:%d] " format, logBaseName(__FILE__), __LINE__, ##__VA_ARGS__)
#define LOG_INFO(format, ...) \
    logPrint(LogLevelInfo, "[INFO][%s:%d] " format, logBaseName(__FILE__), __LINE__, ##__VA_ARGS__)
