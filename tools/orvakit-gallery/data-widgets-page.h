#pragma once

#include <QMap>
#include <QString>

class QWidget;

// The data widgets of a console in use: a date selector with its calendar
// open beside it, a breadcrumb bar for a deep folder with a segment "R&D"
// (wider than the bar, so the folder menu shows) and a short one, a folder
// tree with a "home" node and checkable folders, and a table of 200 files
// with proportional and fixed columns.
QWidget *createDataWidgetsPage(const QString &language);
QMap<QString, QString> dataWidgetsCaptions(const QString &language);
