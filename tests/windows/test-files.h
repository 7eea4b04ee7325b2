#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    // The UTF-8 path of `name` inside the folder, as the logger takes paths.
    std::string file(const std::string &utf8Name) const;

private:
    std::filesystem::path folder;
};

// The file's bytes, or empty when it cannot be read.
std::string readFile(const std::string &utf8Path);
bool fileExists(const std::string &utf8Path);

// The agent's log in a fresh file, read back; closed again at the end.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    std::string text() const;
    int count(const std::string &needle) const;

private:
    TempFolder folder;
    std::string path;
};
