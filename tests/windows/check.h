#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

// The Windows test programs are built without Qt; this is their whole
// runner. A case is a named function. A failed check prints where and what,
// naming the data row being run, and ends its case; the program's exit code
// says whether every case passed.
namespace Check {

struct Case
{
    const char *name;
    std::function<void()> run;
};

// Runs every case, prints one line for each and a summary. Returns 0 when all passed.
int runCases(const std::vector<Case> &cases);

// Names the data row that the checks made while it lives belong to.
class Row
{
public:
    explicit Row(std::string name);
    ~Row();
    Row(const Row &) = delete;
    Row &operator=(const Row &) = delete;
};

// Marks the running case failed and prints why.
void fail(const char *file, int line, const std::string &what);

// Bytes shown readably: escaped, and cut short when long.
std::string show(const std::string &bytes);
inline std::string show(const char *text)
{
    return show(std::string(text));
}
template <typename T>
std::string show(const T &value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

} // namespace Check

// Both end the calling function (a case, or a void helper) when they fail.
#define CHECK(condition) \
    do { \
        if (!(condition)) { \
            Check::fail(__FILE__, __LINE__, #condition); \
            return; \
        } \
    } while (false)

#define CHECK_EQUAL(actual, expected) \
    do { \
        const auto &checkActual = (actual); \
        const auto &checkExpected = (expected); \
        if (!(checkActual == checkExpected)) { \
            Check::fail(__FILE__, __LINE__, \
                        std::string(#actual) + " is " + Check::show(checkActual) + ", expected " \
                            + Check::show(checkExpected)); \
            return; \
        } \
    } while (false)
