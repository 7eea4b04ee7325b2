#include "plain-text.h"

#include <QRegularExpression>

QString plainText(const QString &richText)
{
    static const QRegularExpression link(QStringLiteral("<a\\b[^>]*\\bhref=\"([^\"]*)\"[^>]*>(.*?)</a>"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text;
    int from = 0;
    for (auto found = link.globalMatch(richText); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        text += richText.mid(from, match.capturedStart() - from);
        const QString address = match.captured(1);
        text += match.captured(2);
        if (address.contains(QLatin1String("://")))
            text += QStringLiteral(" (%1)").arg(address);
        from = match.capturedEnd();
    }
    text += richText.mid(from);
    text.remove(tag);
    return text.trimmed();
}
