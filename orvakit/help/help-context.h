#pragma once

#include <QString>

// What a help window shows: a topic of the knowledge base in one language,
// and where the offline copy of the help lies when the base cannot be reached.
struct HelpContext
{
    // Three-letter language code, for example "enu".
    QString lang;
    // Folder with one subfolder of offline help per language.
    QString offlineFolder;
    // The topic: the query value "link" online, the file name offline.
    QString link;
    QString section;
    QString version = QStringLiteral("1.0");
};
