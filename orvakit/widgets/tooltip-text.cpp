#include "widgets/tooltip-text.h"

QString getHtmlEscapedStringForToolTip(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QLatin1String("<p style='white-space:pre'>") + escaped + QLatin1String("</p>");
}
