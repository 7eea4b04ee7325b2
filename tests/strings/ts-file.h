#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a Qt Linguist translation source.
struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString translationType; // "unfinished", "vanished", "obsolete" or empty
    bool hasComment = false;
};

// The messages of a .ts file, and what kept it from being read.
struct TsFile
{
    QList<TsMessage> messages;
    QString error;
};

TsFile readTsFile(const QString &path);

// Where the translation sources of the agent are kept.
QString translationSource(const QString &code);

// The languages the agent ships, by their three-letter codes.
inline const QStringList kShippedLanguages = {
    "chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn", "krn",
    "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "tha", "trk",
};
