#include "services/style-sheet-file.h"

#include <QRegularExpression>

namespace {

void removeComments(QString &text)
{
    // Lazy, and "." stops at line ends: a "/* */" comment ends on its own
    // line, and a "//" comment takes its line break with it.
    static const QRegularExpression blockComment(QStringLiteral("/\\*.*\\*/"),
                                                 QRegularExpression::InvertedGreedinessOption);
    static const QRegularExpression lineComment(QStringLiteral("//.*\\n"),
                                                QRegularExpression::InvertedGreedinessOption);
    text.remove(blockComment);
    text.remove(lineComment);
}

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1String("==")) && line.endsWith(QLatin1String("=="));
}

QString headerKey(QString line)
{
    return line.remove(QLatin1Char('=')).remove(QLatin1Char(' '));
}

} // namespace

QMap<QString, QString> parseStyleSheetSections(QString text, const QString &imageFolder,
                                               const QString &tempImageFolder)
{
    // Comments go before the folders come in, so that a folder such as a
    // network share ("//server/...") is never mistaken for a comment.
    removeComments(text);
    // "TMPIMG_LOC" first: it contains "IMG_LOC".
    text.replace(QLatin1String("TMPIMG_LOC"), tempImageFolder);
    text.replace(QLatin1String("IMG_LOC"), imageFolder);

    QMap<QString, QString> sections;
    QString currentKey;
    QString pending;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!isHeader(line)) {
            pending += QLatin1Char('\n') + line;
            continue;
        }
        // Text before the first named section is carried into it.
        if (!currentKey.isEmpty()) {
            sections.insert(currentKey, pending);
            pending.clear();
        }
        currentKey = headerKey(line);
    }
    if (!currentKey.isEmpty())
        sections.insert(currentKey, pending);
    return sections;
}
