#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

// What the file logger needs from the operating system. One implementation per
// platform, chosen by CMake.
namespace logplatform {

// Opens a UTF-8 path for appending; the handle is not inherited by child
// processes. Returns null on failure.
FILE *openForAppend(const std::string &path);

// The size of the open log file in bytes. On failure returns false and sets
// `error` to the line to write into the log instead.
bool fileSize(const std::string &path, FILE *stream, std::uint64_t &size, std::string &error);

// Writes UTF-8 text to the stream; returns the number of bytes written or -1.
int writeText(FILE *stream, const std::string &text);

bool renameFile(const std::string &from, const std::string &to);
void removeFile(const std::string &path);

void localAndUtcTime(std::time_t when, std::tm &local, std::tm &utc);

} // namespace logplatform
