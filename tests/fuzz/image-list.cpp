#include "fuzz-check.h"

#include "services/image-list.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>

// Qt 5.15's JSON parser leaks the earlier value of a key given twice when it
// is an array or an object. Its frames carry no names, so the library as a
// whole is excused, for this target only: it allocates nothing itself.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt5Core.so\n";
}

// The image list file (images.json) on any bytes. The names it gives never
// hold a space where copies are written, and they are a fixed point: a list
// written back from them reads as the same names.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ImageList list = readImageList(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    for (const QString &name : list.tempImages)
        FUZZ_CHECK(!name.contains(QLatin1Char(' ')));

    QJsonObject written;
    written.insert(QStringLiteral("images"), QJsonArray::fromStringList(list.images));
    written.insert(QStringLiteral("tmp_images"), QJsonArray::fromStringList(list.tempImages));
    const ImageList again = readImageList(QJsonDocument(written).toJson());
    FUZZ_CHECK(again.images == list.images);
    FUZZ_CHECK(again.tempImages == list.tempImages);
    return 0;
}
