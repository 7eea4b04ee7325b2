#include "fuzz-check.h"

#include "services/style-sheet-file.h"

#include <cstdint>

// The style-sheet file parser on any text, read as the registry reads a file:
// UTF-8, followed by one line break. Whatever it is given, every section has
// a key without "=" or spaces, and a sheet that is empty or starts a line;
// no header line, comment or image-folder token is left inside a sheet.
namespace {

// Folders that cannot form a comment or a token with the text around them.
const QString kImageFolder = QStringLiteral("img-folder");
const QString kTempImageFolder = QStringLiteral("tmp-folder");

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1String("==")) && line.endsWith(QLatin1String("=="));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)) + QLatin1Char('\n');
    const QMap<QString, QString> sections = parseStyleSheetSections(text, kImageFolder, kTempImageFolder);
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        const QString &key = section.key();
        const QString &sheet = section.value();
        FUZZ_CHECK(!key.isEmpty());
        FUZZ_CHECK(!key.contains(QLatin1Char('=')) && !key.contains(QLatin1Char(' ')) && !key.contains(QLatin1Char('\n')));
        FUZZ_CHECK(sheet.isEmpty() || sheet.startsWith(QLatin1Char('\n')));
        // Not checked in keys: taking out the "=" of "==/=/==" leaves "//".
        FUZZ_CHECK(!sheet.contains(QLatin1String("//")));
        FUZZ_CHECK(!sheet.contains(QLatin1String("IMG_LOC")));
        for (const QString &line : sheet.split(QLatin1Char('\n')))
            FUZZ_CHECK(!isHeader(line));
    }
    return 0;
}
