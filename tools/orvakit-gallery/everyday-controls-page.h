#pragma once

#include <QMap>
#include <QString>

class QWidget;

// The everyday controls of a console in use: buttons of every kind, icon
// buttons, check boxes and radio buttons, combo boxes with a time box,
// labelled line edits, a filter bar over a list of 101 users paged by 25,
// and a footbar with OK and Cancel.
QWidget *createEverydayControlsPage(const QString &language);
QMap<QString, QString> everydayControlsCaptions(const QString &language);
