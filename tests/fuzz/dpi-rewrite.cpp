#include "fuzz-app.h"
#include "fuzz-check.h"

#include "services/dpi-info.h"

#include <cstdint>

// The style sheets' "px" rewrite on any text, at a factor picked by the first
// byte. It changes only the numbers in front of "px": the text without its
// digits and points is the same before and after, every "px" stays, a text
// without "px" comes back as it was, and at factors up to 1 nothing grows.
namespace {

const double kFactors[] = {1.0, 1.25, 1.5, 2.0, 0.5};

QString withoutNumbers(const QString &text)
{
    QString rest;
    for (const QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            rest += c;
    return rest;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const double factor = kFactors[data[0] % (sizeof kFactors / sizeof *kFactors)];
    const QString sheet = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    DPIinfo &dpi = DPIinfo::getInstance();
    dpi.setDPI(factor);
    const QString scaled = dpi.getScaledStyleSheet(sheet);

    if (!sheet.contains(QLatin1String("px")))
        FUZZ_CHECK(scaled == sheet);
    FUZZ_CHECK(scaled.count(QLatin1String("px")) == sheet.count(QLatin1String("px")));
    FUZZ_CHECK(withoutNumbers(scaled) == withoutNumbers(sheet));
    if (factor <= 1.0)
        FUZZ_CHECK(scaled.size() <= sheet.size());
    return 0;
}
