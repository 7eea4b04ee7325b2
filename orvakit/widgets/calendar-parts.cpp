#include "widgets/calendar-parts.h"

#include "services/debug-message.h"

#include <QCalendarWidget>
#include <QLayout>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

namespace {

// The navigation bar's tool buttons in the order its layout shows them.
QList<QToolButton *> toolButtonsInLayout(QWidget *bar)
{
    QList<QToolButton *> buttons;
    if (!bar || !bar->layout())
        return buttons;
    for (int i = 0; i < bar->layout()->count(); ++i) {
        if (auto *button = qobject_cast<QToolButton *>(bar->layout()->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

QWidget *findNavigationBar(QCalendarWidget *calendar, const CalendarParts &parts)
{
    for (QWidget *known : {static_cast<QWidget *>(parts.yearEdit), static_cast<QWidget *>(parts.monthButton),
                           static_cast<QWidget *>(parts.prevMonth), static_cast<QWidget *>(parts.nextMonth),
                           static_cast<QWidget *>(parts.yearButton)}) {
        if (known && known->parentWidget() != calendar)
            return known->parentWidget();
    }
    return nullptr;
}

void findButtonsByPlace(CalendarParts &parts)
{
    QList<QToolButton *> plain;
    for (QToolButton *button : toolButtonsInLayout(parts.navigationBar)) {
        if (button->menu()) {
            if (!parts.monthButton)
                parts.monthButton = button;
        } else {
            plain << button;
        }
    }
    // Previous month, year, next month.
    if (plain.size() == 3) {
        if (!parts.prevMonth)
            parts.prevMonth = plain[0];
        if (!parts.yearButton)
            parts.yearButton = plain[1];
        if (!parts.nextMonth)
            parts.nextMonth = plain[2];
    }
}

} // namespace

CalendarParts findCalendarParts(QCalendarWidget *calendar)
{
    CalendarParts parts;
    if (!calendar)
        return parts;
    parts.prevMonth = calendar->findChild<QToolButton *>("qt_calendar_prevmonth");
    parts.nextMonth = calendar->findChild<QToolButton *>("qt_calendar_nextmonth");
    parts.monthButton = calendar->findChild<QToolButton *>("qt_calendar_monthbutton");
    parts.yearButton = calendar->findChild<QToolButton *>("qt_calendar_yearbutton");
    parts.yearEdit = calendar->findChild<QSpinBox *>("qt_calendar_yearedit");
    parts.monthGrid = calendar->findChild<QTableView *>("qt_calendar_calendarview");
    parts.navigationBar = calendar->findChild<QWidget *>("qt_calendar_navigationbar");

    if (!parts.monthGrid)
        parts.monthGrid = calendar->findChild<QTableView *>();
    if (!parts.yearEdit)
        parts.yearEdit = calendar->findChild<QSpinBox *>();
    if (!parts.navigationBar)
        parts.navigationBar = findNavigationBar(calendar, parts);
    if (!parts.prevMonth || !parts.nextMonth || !parts.monthButton || !parts.yearButton)
        findButtonsByPlace(parts);

    QStringList missing;
    const struct { const void *part; const char *name; } all[] = {
        {parts.prevMonth, "previous month button"}, {parts.nextMonth, "next month button"},
        {parts.monthButton, "month button"},        {parts.yearButton, "year button"},
        {parts.yearEdit, "year spin box"},          {parts.monthGrid, "month grid"},
        {parts.navigationBar, "navigation bar"},
    };
    for (const auto &entry : all) {
        if (!entry.part)
            missing << entry.name;
    }
    if (!missing.isEmpty())
        qCWarning(debugMessage) << "Calendar parts not found, left with Qt's look:" << missing.join(", ");
    return parts;
}
