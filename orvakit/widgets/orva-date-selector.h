#pragma once

#include "orvakit_export.h"

#include <QComboBox>
#include <QDate>

class OrvaCalanderView;

// A combo box whose drop-down is a calendar. It shows the placeholder until
// a day is picked, then the date as "yyyy-MM-dd"; its current item's data is
// the date (a null QDate for the placeholder).
class ORVAKIT_EXPORT OrvaDateSelector : public QComboBox
{
    Q_OBJECT
public:
    explicit OrvaDateSelector(QString placeholder, QWidget *parent = nullptr);

    // Back to the placeholder, the calendar turned to this month.
    void clearDate();
    OrvaCalanderView *getCalendarView() const;

public slots:
    // Shows `date` and closes the drop-down; an invalid date shows the
    // placeholder and leaves the drop-down as it is.
    void dateSelect(const QDate &date);

private:
    OrvaCalanderView *calendarView = nullptr;
    QString placeholder;
};
