#include "fuzz-check.h"

#include "help/plain-file-name.h"

#include <cstdint>

// The file name a downloaded picture is saved under, taken from a picture
// source in a page off the network. Whatever the source, a name is either
// refused (empty) or the source's last part, and then it cannot leave the
// picture folder or name anything but a plain file on Windows or Linux.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString source = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QString name = plainFileName(source);
    if (name.isEmpty())
        return 0;
    FUZZ_CHECK(source.endsWith(name));
    FUZZ_CHECK(source.size() == name.size() || source.at(source.size() - name.size() - 1) == QLatin1Char('/'));
    FUZZ_CHECK(name != QLatin1String(".") && name != QLatin1String(".."));
    FUZZ_CHECK(name.toUtf8().size() <= 255);
    FUZZ_CHECK(!name.endsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char(' ')));
    for (const QChar c : name)
        FUZZ_CHECK(c.unicode() >= 0x20 && !QStringLiteral("<>:\"/\\|?*").contains(c));
    return 0;
}
