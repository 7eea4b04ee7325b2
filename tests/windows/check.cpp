#include "check.h"

#include <cstdio>

namespace Check {
namespace {

bool caseFailed = false;
std::string currentRow;

} // namespace

Row::Row(std::string name)
{
    currentRow = std::move(name);
}

Row::~Row()
{
    currentRow.clear();
}

void fail(const char *file, int line, const std::string &what)
{
    caseFailed = true;
    std::printf("  %s:%d: %s%s\n", file, line, currentRow.empty() ? "" : ("[" + currentRow + "] ").c_str(),
                what.c_str());
}

std::string show(const std::string &bytes)
{
    constexpr std::size_t kShown = 80;
    std::string text = "\"";
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\\' || c == '"') {
            text += '\\';
            text += char(c);
        } else if (c >= 0x20 && c < 0x7f) {
            text += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            text += escaped;
        }
    }
    text += '"';
    if (bytes.size() > kShown)
        text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

int runCases(const std::vector<Case> &cases)
{
    int failed = 0;
    for (const Case &testCase : cases) {
        caseFailed = false;
        currentRow.clear();
        testCase.run();
        std::printf("%s   : %s\n", caseFailed ? "FAIL!" : "PASS ", testCase.name);
        std::fflush(stdout);
        failed += caseFailed ? 1 : 0;
    }
    std::printf("%d of %d cases passed\n", int(cases.size()) - failed, int(cases.size()));
    return failed == 0 ? 0 : 1;
}

} // namespace Check
