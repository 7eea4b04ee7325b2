#include "widgets/orva-calander-view.h"

#include "services/component-strings.h"
#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "widgets/calendar-parts.h"
#include "widgets/mouse-filters.h"
#include "widgets/orva-button.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QToolButton>

#include <cmath>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

QString caption(const char *key)
{
    return ComponentStrings::getInstance().getString(QString::fromLatin1(key));
}

// Qt's grid and the weekday row share this width, unscaled: the columns
// stretch to the calendar's width anyway.
const int kDayColumnWidth = 30;

void setNavigationIcon(QToolButton *button, const char *image)
{
    const QPixmap pixmap = getGlobalImage(image, ImageManager::Normal);
    button->setIcon(pixmap);
    const qreal ratio = pixmap.devicePixelRatio();
    button->setIconSize(QSize(qRound(pixmap.width() / ratio), qRound(pixmap.height() / ratio)));
}

} // namespace

OrvaCalanderView::OrvaCalanderView(QWidget *parent)
    : QAbstractItemView(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *layout = new QVBoxLayout(this);
    calendar = new QCalendarWidget(this);
    todayButton = new OrvaButton(caption("today"), OrvaButton::Cancel);
    todayButton->setFixedHeight(px(24));
    todayButton->setObjectName("qt_calendar_today_button");
    layout->addWidget(calendar);
    layout->addWidget(todayButton, 0, Qt::AlignHCenter);

    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat weekend = calendar->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(QBrush(Qt::black, Qt::SolidPattern));
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    setSelectionMode(QAbstractItemView::NoSelection);
    setAccessibleName(caption("accessible_calendar"));

    // Found before the weekday row exists: it is a table too.
    const CalendarParts parts = findCalendarParts(calendar);
    monthButton = parts.monthButton;
    monthGrid = parts.monthGrid;
    handleNavigationBar(parts);
    handleMonthMenu(parts);
    handleWeekdayHeader(parts);
    handleTabOrder(parts);

    for (QWidget *watched : {static_cast<QWidget *>(parts.yearButton), static_cast<QWidget *>(parts.yearEdit),
                             static_cast<QWidget *>(parts.monthGrid), static_cast<QWidget *>(todayButton)}) {
        if (watched)
            watched->installEventFilter(this);
    }
    connect(calendar, &QCalendarWidget::activated, this, &OrvaCalanderView::sigDateSelect);
    connect(calendar, &QCalendarWidget::clicked, this, &OrvaCalanderView::sigDateSelect);
    connect(todayButton, &QPushButton::clicked, this, &OrvaCalanderView::selectToday);
    connect(calendar, &QCalendarWidget::currentPageChanged, this, &OrvaCalanderView::pageChanged);
}

void OrvaCalanderView::handleNavigationBar(const CalendarParts &parts)
{
    for (QToolButton *button : {parts.prevMonth, parts.nextMonth, parts.monthButton, parts.yearButton}) {
        if (button)
            button->setFocusPolicy(Qt::StrongFocus);
    }
    if (parts.prevMonth) {
        parts.prevMonth->setAccessibleName(caption("accessible_calendar_prev_month"));
        setNavigationIcon(parts.prevMonth, "bt_pagebar_backend");
    }
    if (parts.nextMonth) {
        parts.nextMonth->setAccessibleName(caption("accessible_calendar_next_month"));
        setNavigationIcon(parts.nextMonth, "bt_pagebar_nextend");
    }
    if (parts.yearEdit)
        parts.yearEdit->setAttribute(Qt::WA_MacShowFocusRect);
    if (parts.navigationBar) {
        parts.navigationBar->setAutoFillBackground(false);
        parts.navigationBar->installEventFilter(new MouseButtonFilter(parts.navigationBar));
    }
}

void OrvaCalanderView::handleMonthMenu(const CalendarParts &parts)
{
    for (const char *key : {"month_jan", "month_feb", "month_mar", "month_apr", "month_may", "month_jun",
                            "month_jul", "month_aug", "month_sep", "month_oct", "month_nov", "month_dec"})
        monthNames << caption(key);
    if (!parts.monthButton)
        return;
    if (QMenu *menu = parts.monthButton->menu()) {
        for (QAction *action : menu->actions()) {
            const int month = action->data().toInt();
            if (month >= 1 && month <= 12)
                action->setText(monthNames[month - 1].left(3));
        }
    }
    setMonthButtonText(QDate::currentDate().month());
}

void OrvaCalanderView::handleWeekdayHeader(const CalendarParts &parts)
{
    weekdayView = new QTableWidget(0, 7);
    weekdayView->setFocusPolicy(Qt::NoFocus);
    weekdayView->setObjectName("qt_calendar_weekdayview");
    weekdayView->horizontalHeader()->setStyleSheet(getStyleSheet("component.table_header", false));
    weekdayView->setStyleSheet(getStyleSheet("component.table", false));
    weekdayView->setFixedHeight(px(30));
    weekdayView->horizontalHeader()->hide();
    weekdayView->verticalHeader()->hide();
    weekdayView->setRowCount(1);
    int column = 0;
    for (const char *key : {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"}) {
        auto *item = new QTableWidgetItem(caption(key).left(1));
        item->setTextAlignment(Qt::AlignCenter);
        weekdayView->setItem(0, column++, item);
    }
    weekdayView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    weekdayView->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    weekdayView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    weekdayView->setSelectionMode(QAbstractItemView::NoSelection);
    weekdayView->setFrameShape(QFrame::NoFrame);
    weekdayView->setShowGrid(false);
    weekdayView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    weekdayView->horizontalHeader()->setDefaultSectionSize(kDayColumnWidth);
    if (parts.monthGrid)
        parts.monthGrid->horizontalHeader()->setDefaultSectionSize(kDayColumnWidth);

    if (auto *calendarLayout = qobject_cast<QBoxLayout *>(calendar->layout())) {
        calendarLayout->insertWidget(1, weekdayView);
    } else {
        // Without a box layout there is no place between the bar and the grid.
        qCWarning(debugMessage) << "Calendar layout not found, the weekday row is left out";
        weekdayView->setParent(this);
        weekdayView->hide();
    }
}

// Qt's focus chain runs through the calendar widget itself, whose focus
// goes to the month grid, so the order is kept here and followed by
// focusNextPrevChild().
void OrvaCalanderView::handleTabOrder(const CalendarParts &parts)
{
    tabChain = {this};
    for (QWidget *part : {static_cast<QWidget *>(parts.prevMonth), static_cast<QWidget *>(parts.nextMonth),
                          static_cast<QWidget *>(parts.monthButton), static_cast<QWidget *>(parts.yearButton),
                          static_cast<QWidget *>(parts.yearEdit), static_cast<QWidget *>(parts.monthGrid)}) {
        if (part)
            tabChain << part;
    }
    tabChain << todayButton;
}

bool OrvaCalanderView::focusNextPrevChild(bool next)
{
    const QWidget *focused = QApplication::focusWidget();
    int at = -1;
    for (int i = 0; i < tabChain.size() && at < 0; ++i) {
        if (tabChain[i] == focused || (i > 0 && tabChain[i]->isAncestorOf(focused)))
            at = i;
    }
    if (at < 0)
        return QAbstractItemView::focusNextPrevChild(next);
    const int step = next ? 1 : tabChain.size() - 1;
    for (int i = (at + step) % tabChain.size(); i != at; i = (i + step) % tabChain.size()) {
        QWidget *candidate = tabChain[i];
        // Not asked for its focus policy: Qt takes the grid's away while the
        // year is edited.
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void OrvaCalanderView::setMonthButtonText(int month)
{
    if (monthButton && month >= 1 && month <= monthNames.size())
        monthButton->setText(monthNames[month - 1]);
}

void OrvaCalanderView::selectToday()
{
    const QDate today = QDate::currentDate();
    calendar->setSelectedDate(today);
    emit sigDateSelect(today);
}

void OrvaCalanderView::setCurrentPage(int year, int month)
{
    calendar->setCurrentPage(year, month);
}

void OrvaCalanderView::setMinimumDate(const QDate &date)
{
    calendar->setMinimumDate(date);
}

void OrvaCalanderView::setMaximumDate(const QDate &date)
{
    calendar->setMaximumDate(date);
}

void OrvaCalanderView::pageChanged(int year, int month)
{
    Q_UNUSED(year)
    setMonthButtonText(month);
}

void OrvaCalanderView::slotMonthTriggered(QAction *action)
{
    if (action)
        setMonthButtonText(action->data().toInt());
}

// Qt's year editor and month grid keep Tab for themselves; here it moves
// on along the calendar's own order.
bool OrvaCalanderView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            if (key == Qt::Key_Tab)
                focusNextChild();
            else
                focusPreviousChild();
            if (monthGrid && monthGrid->hasFocus() && monthGrid->currentIndex().isValid()) {
                // Drawn afresh with the focus mark, the selected day unchanged.
                const QModelIndex current = monthGrid->currentIndex();
                monthGrid->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
                monthGrid->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
            }
            return true;
        }
    }
    return QAbstractItemView::eventFilter(watched, event);
}

// A frame without items: nothing to show, scroll to or select.
QModelIndex OrvaCalanderView::indexAt(const QPoint &) const
{
    return {};
}

QRect OrvaCalanderView::visualRect(const QModelIndex &) const
{
    return {};
}

void OrvaCalanderView::scrollTo(const QModelIndex &, ScrollHint)
{
}

QModelIndex OrvaCalanderView::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return {};
}

int OrvaCalanderView::horizontalOffset() const
{
    return 0;
}

int OrvaCalanderView::verticalOffset() const
{
    return 0;
}

bool OrvaCalanderView::isIndexHidden(const QModelIndex &) const
{
    return true;
}

void OrvaCalanderView::setSelection(const QRect &, QItemSelectionModel::SelectionFlags)
{
}

QRegion OrvaCalanderView::visualRegionForSelection(const QItemSelection &) const
{
    return {};
}
