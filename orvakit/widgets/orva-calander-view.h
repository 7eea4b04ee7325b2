#pragma once

#include "orvakit_export.h"

#include <QAbstractItemView>
#include <QDate>
#include <QStringList>

class OrvaButton;
class QAction;
class QCalendarWidget;
class QTableView;
class QTableWidget;
class QToolButton;
struct CalendarParts;

// Qt's calendar in the library's look and words: the week starts on Sunday,
// weekday initials and month names come from the component strings,
// weekends look like weekdays, and a "today" button sits under the month
// grid. The view itself is only a focusable frame around them (it has no
// items), so that it can be a combo box's drop-down.
class ORVAKIT_EXPORT OrvaCalanderView : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit OrvaCalanderView(QWidget *parent = nullptr);

    void setCurrentPage(int year, int month);
    void setMinimumDate(const QDate &date);
    void setMaximumDate(const QDate &date);

    QModelIndex indexAt(const QPoint &point) const override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    // A day was clicked or activated, or "today" pressed.
    void sigDateSelect(const QDate &date);

public slots:
    void selectToday();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Tab and Backtab anywhere inside go round the calendar's own order.
    bool focusNextPrevChild(bool next) override;

    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;

private slots:
    void pageChanged(int year, int month);
    void slotMonthTriggered(QAction *action);

private:
    void handleNavigationBar(const CalendarParts &parts);
    void handleMonthMenu(const CalendarParts &parts);
    void handleWeekdayHeader(const CalendarParts &parts);
    void handleTabOrder(const CalendarParts &parts);
    void setMonthButtonText(int month);

    QTableWidget *weekdayView = nullptr;
    QStringList monthNames;
    QCalendarWidget *calendar = nullptr;
    QToolButton *monthButton = nullptr;
    QTableView *monthGrid = nullptr;
    OrvaButton *todayButton = nullptr;
    // The view, then its parts in tab order.
    QList<QWidget *> tabChain;
};
