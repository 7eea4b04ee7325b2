#pragma once

#include "orvakit_export.h"

class QCalendarWidget;
class QSpinBox;
class QTableView;
class QToolButton;
class QWidget;

// The children of a QCalendarWidget the library restyles. Qt gives them no
// API, only object names; a part that is not there stays null.
struct CalendarParts
{
    QToolButton *prevMonth = nullptr;
    QToolButton *nextMonth = nullptr;
    QToolButton *monthButton = nullptr;
    QToolButton *yearButton = nullptr;
    QSpinBox *yearEdit = nullptr;
    QTableView *monthGrid = nullptr;
    QWidget *navigationBar = nullptr;
};

// Finds each part by the object name Qt 5 gives it, searching the whole
// calendar; a part whose name is not found is looked for by its kind and
// place (the grid is the calendar's table, the navigation bar holds the
// year spin box, its tool buttons in layout order are previous month,
// month, year and next month, the month button being the one with a menu).
// Parts found neither way are named in one warning.
ORVAKIT_EXPORT CalendarParts findCalendarParts(QCalendarWidget *calendar);
