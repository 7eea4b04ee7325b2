#include "widgets/orva-date-selector.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "widgets/mouse-filters.h"
#include "widgets/orva-calander-view.h"

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

} // namespace

OrvaDateSelector::OrvaDateSelector(QString placeholder, QWidget *parent)
    : QComboBox(parent)
    , placeholder(placeholder)
{
    calendarView = new OrvaCalanderView;
    setView(calendarView);
    // The combo box closes its drop-down on any release inside it; the
    // calendar closes it itself, when a day is chosen.
    calendarView->installEventFilter(new MouseReleaseFilter(this));
    calendarView->viewport()->installEventFilter(new MouseReleaseFilter(this));
    addItem(placeholder, QDate());
    connect(calendarView, &OrvaCalanderView::sigDateSelect, this, &OrvaDateSelector::dateSelect);
    calendarView->setFixedSize(px(280), px(260));
    setFixedHeight(px(32));
    setStyleSheet(getStyleSheet("component.date_selector", false) + getStyleSheet("component.menu", false));
}

void OrvaDateSelector::dateSelect(const QDate &date)
{
    clear();
    if (!date.isValid()) {
        addItem(placeholder, QDate());
        return;
    }
    addItem(date.toString("yyyy-MM-dd"), date);
    setCurrentIndex(0);
    calendarView->setCurrentPage(date.year(), date.month());
    update();
    hidePopup();
}

void OrvaDateSelector::clearDate()
{
    clear();
    addItem(placeholder, QDate());
    setCurrentIndex(0);
    const QDate today = QDate::currentDate();
    calendarView->setCurrentPage(today.year(), today.month());
}

OrvaCalanderView *OrvaDateSelector::getCalendarView() const
{
    return calendarView;
}
