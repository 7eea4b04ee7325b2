// The log file as the Windows C runtime writes it: UTF-8 text with a
// byte-order mark at its start and CR LF line ends.
#include "check.h"
#include "test-files.h"

#include "file-logger.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <regex>

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

void writeLine(const std::string &component, int level, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    logWrite(component, level, format, args);
    va_end(args);
}

// The file's text with at most one byte-order mark, at its start, and CR LF
// line ends taken away; "?" marks a file that breaks either rule.
std::string logText(const std::string &path)
{
    std::string bytes = readFile(path);
    if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
        bytes.erase(0, kByteOrderMark.size());
    if (bytes.find(kByteOrderMark) != std::string::npos)
        return "?";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return "?";
        text += bytes[i];
    }
    return text;
}

// Non-ASCII text in the file name, the format and an argument: all reach the
// file as UTF-8, and a restart appends without a second byte-order mark.
void createdAsUtf8AndAppendedAcrossRestarts()
{
    const TempFolder folder;
    const std::string file = folder.file("journal-\xC3\xBC.txt"); // journal-ü.txt
    CHECK_EQUAL(logInit(LogToFile, file, "", 50, 1, "utf8"), 0);
    writeLine("utf8", 8, "Gr\xC3\xBC\xC3\x9F" "e %s", "\xE6\x97\xA5\xE6\x9C\xAC"); // Grüße 日本
    CHECK(readFile(file).compare(0, kByteOrderMark.size(), kByteOrderMark) == 0);
    logReset("utf8");
    CHECK_EQUAL(logInit(LogToFile, file, "", 50, 1, "utf8"), 0);
    writeLine("utf8", 8, "again");
    logReset("utf8");
    CHECK_EQUAL(logText(file), std::string("Gr\xC3\xBC\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC\nagain\n"));
}

// The C runtime takes its time zone from TZ, written as Windows writes it:
// the hours to add to local time to get UTC.
void utcOffsetIsPrintedAsHoursAndMinutes()
{
    struct Row
    {
        const char *zone;
        const char *offset;
    };
    const Row rows[] = {{"UTC0", "+0000"}, {"IST-5:30", "+0530"}, {"NST+3:30", "-0330"}};
    const TempFolder folder;
    for (const Row &row : rows) {
        const Check::Row named(row.zone);
        const std::string file = folder.file(std::string("zone ") + row.zone + ".txt");
        _putenv_s("TZ", row.zone);
        _tzset();
        const int configured = logInit(LogToFile, file, "", 50, 1, kLogDefaultComponent);
        const int line = __LINE__ + 1;
        LOG_ERROR("offset %d", 1);
        logReset(kLogDefaultComponent);
        _putenv_s("TZ", "");
        _tzset();

        CHECK_EQUAL(configured, 0);
        const std::regex shape(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2} ([+-]\d{4}) \[ERROR\]\[(.*):(\d+)\] offset 1\n)");
        const std::string written = logText(file);
        std::smatch match;
        CHECK(std::regex_match(written, match, shape));
        CHECK_EQUAL(match[1].str(), std::string(row.offset));
        CHECK_EQUAL(match[2].str(), std::string("test-windows-file-logger.cpp"));
        CHECK_EQUAL(match[3].str(), std::to_string(line));
    }
}

// The size already on disk counts: the line that takes the count past 1 MiB
// is the last one of the file, which becomes the first numbered copy.
void rotatesWhenTheCountPassesOneMebibyte()
{
    struct Row
    {
        const char *name;
        std::size_t sizeOnDisk;
        bool rotates;
    };
    // Each line written counts 2 bytes: "z" and its line feed.
    const Row rows[] = {
        {"reaching 1 MiB exactly", 1048576 - 2, false},
        {"passing 1 MiB by a byte", 1048576 - 1, true},
    };
    for (const Row &row : rows) {
        const Check::Row named(row.name);
        const TempFolder folder;
        const std::string file = folder.file("ui.txt");
        {
            FILE *existing = _wfopen(std::filesystem::u8path(file).c_str(), L"wb");
            CHECK(existing);
            const std::string old(row.sizeOnDisk, 'x');
            std::fwrite(old.data(), 1, old.size(), existing);
            std::fclose(existing);
        }
        CHECK_EQUAL(logInit(LogToFile, file, "", 50, 1, "size"), 0);
        writeLine("size", 8, "z");
        if (row.rotates) {
            // The fresh file takes the lines that follow.
            writeLine("size", 8, "after");
            logReset("size");
            CHECK_EQUAL(logText(file + "_0"), std::string(row.sizeOnDisk, 'x') + "z\n");
            CHECK_EQUAL(logText(file), std::string("after\n"));
        } else {
            logReset("size");
            CHECK(!fileExists(file + "_0"));
            CHECK_EQUAL(logText(file), std::string(row.sizeOnDisk, 'x') + "z\n");
        }
    }
}

// With four copies allowed, numbers 0 to 2 are kept: the newest is 0.
void rotationShiftsTheNumberedFiles()
{
    const TempFolder folder;
    const std::string file = folder.file("ui.txt");
    CHECK_EQUAL(logInit(LogToFile, file, "", 4, 1, "chain"), 0);
    const std::string filler(1048576, '.');
    // Every line passes the limit on its own, so each causes one rotation.
    for (int i = 0; i < 6; ++i)
        writeLine("chain", 8, "line %d %s", i, filler.c_str());
    logReset("chain");
    for (int n = 0; n < 3; ++n) {
        const Check::Row named("copy " + std::to_string(n));
        CHECK_EQUAL(logText(file + "_" + std::to_string(n)).substr(0, 7), "line " + std::to_string(5 - n) + " ");
    }
    CHECK(!fileExists(file + "_3"));
    CHECK_EQUAL(logText(file), std::string());
}

} // namespace

int main()
{
    return Check::runCases({
        {"createdAsUtf8AndAppendedAcrossRestarts", createdAsUtf8AndAppendedAcrossRestarts},
        {"utcOffsetIsPrintedAsHoursAndMinutes", utcOffsetIsPrintedAsHoursAndMinutes},
        {"rotatesWhenTheCountPassesOneMebibyte", rotatesWhenTheCountPassesOneMebibyte},
        {"rotationShiftsTheNumberedFiles", rotationShiftsTheNumberedFiles},
    });
}
