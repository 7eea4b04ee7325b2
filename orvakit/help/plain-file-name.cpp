#include "help/plain-file-name.h"

#include <QRegularExpression>

namespace {

bool isReservedOnWindows(const QString &name)
{
    // Windows opens the device for these whatever extension follows.
    static const QRegularExpression device("^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$",
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

bool isValidFileName(const QString &name)
{
    if (name.isEmpty() || name == "." || name == ".." || name.toUtf8().size() > 255)
        return false;
    if (name.endsWith('.') || name.endsWith(' ') || isReservedOnWindows(name))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("<>:\"/\\|?*").contains(c))
            return false;
    }
    return true;
}

} // namespace

QString plainFileName(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    return isValidFileName(name) ? name : QString();
}
