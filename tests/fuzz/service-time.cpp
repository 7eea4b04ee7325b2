#include "fuzz-check.h"

#include "service-time.h"

#include <QLocale>
#include <QRegularExpression>

#include <cstdint>
#include <string>

// The service-time formatter on any text. A time it gives is a date and time
// in the pattern and within the range of 32-bit seconds (a day either way for
// the time zone); blanks before the text and anything after its digits do not
// change the result.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The pattern below is written in the C locale's digits.
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QRegularExpression format(
        QStringLiteral("\\A(\\d{4})\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d\\z"));
    const std::string seconds(reinterpret_cast<const char *>(data), size);
    const QString time = formatServiceTime(seconds);
    if (!time.isNull()) {
        const QRegularExpressionMatch match = format.match(time);
        FUZZ_CHECK(match.hasMatch());
        const int year = match.capturedRef(1).toInt();
        FUZZ_CHECK(year >= 1969 && year <= 2106);
    }
    FUZZ_CHECK(formatServiceTime(" " + seconds) == time);
    FUZZ_CHECK(formatServiceTime(seconds + "x") == time);
    return 0;
}
