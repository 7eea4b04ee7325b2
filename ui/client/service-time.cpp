#include "service-time.h"

#include <QDateTime>
#include <QLocale>

#include <charconv>
#include <optional>

namespace {

// Not std::isspace: the application sets the C library's locale from the
// environment, and the service's format does not change with it.
bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::optional<qint64> parseSeconds(const std::string &text)
{
    const char *position = text.data();
    const char *const end = position + text.size();
    while (position != end && isBlank(*position))
        ++position;
    // from_chars takes a minus sign but not a plus sign.
    if (position != end && *position == '+') {
        ++position;
        if (position == end || *position < '0' || *position > '9')
            return std::nullopt;
    }
    qint64 value = 0;
    if (std::from_chars(position, end, value).ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace

QString formatServiceTime(const std::string &seconds)
{
    const std::optional<qint64> value = parseSeconds(seconds);
    if (!value)
        return QString();
    const quint32 lowBits = quint32(quint64(*value));
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(lowBits), QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}
