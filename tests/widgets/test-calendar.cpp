#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"
#include "dpi-factor.h"
#include "kit-fixture.h"

#include "widgets/calendar-parts.h"
#include "widgets/mouse-filters.h"
#include "widgets/orva-calander-view.h"
#include "widgets/orva-date-selector.h"

#include <QCalendarWidget>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

namespace {

const QMap<QString, QString> kGermanCaptions{
    {"today", "Heute"},
    {"month_jan", "Januar"}, {"month_feb", "Februar"}, {"month_mar", "März"}, {"month_apr", "April"},
    {"month_may", "Mai"}, {"month_jun", "Juni"}, {"month_jul", "Juli"}, {"month_aug", "August"},
    {"month_sep", "September"}, {"month_oct", "Oktober"}, {"month_nov", "November"}, {"month_dec", "Dezember"},
    {"sunday", "Sonntag"}, {"monday", "Montag"}, {"tuesday", "Dienstag"}, {"wednesday", "Mittwoch"},
    {"thursday", "Donnerstag"}, {"friday", "Freitag"}, {"saturday", "Samstag"},
    {"accessible_calendar", "Kalender"},
    {"accessible_calendar_prev_month", "Vorheriger Monat"},
    {"accessible_calendar_next_month", "Nächster Monat"},
};

QStringList weekdayRow(const OrvaCalanderView &view)
{
    const auto *row = view.findChild<QTableWidget *>("qt_calendar_weekdayview");
    QStringList texts;
    for (int column = 0; row && column < row->columnCount(); ++column)
        texts << row->item(0, column)->text();
    return texts;
}

QTableView *monthGrid(const OrvaCalanderView &view)
{
    return view.findChild<QTableView *>("qt_calendar_calendarview");
}

// The grid cell of `day` in the month shown: days of the neighbouring
// months share the numbers, at the top and bottom rows.
QModelIndex cellOfDay(const QTableView *grid, int day)
{
    const QAbstractItemModel *model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const bool leading = row < 2 && day > 20;
            if (!leading && model->data(index).toInt() == day)
                return index;
        }
    }
    return {};
}

void pressTab(Qt::Key key = Qt::Key_Tab)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
    std::unique_ptr<KitFixture> kit;

private slots:
    void initTestCase() { kit = std::make_unique<KitFixture>(); }
    void init() { ComponentStrings::getInstance().installStrings(kGermanCaptions); }

    // Every part is reached by the name Qt 5.15 gives it; the same parts are
    // found by kind and place when the names are gone.
    void partsByNameAndByPlace()
    {
        QCalendarWidget calendar;
        DebugMessages messages;
        const CalendarParts named = findCalendarParts(&calendar);
        QVERIFY(messages.warnings.isEmpty());
        QVERIFY(named.prevMonth && named.nextMonth && named.monthButton && named.yearButton);
        QVERIFY(named.yearEdit && named.monthGrid && named.navigationBar);
        QVERIFY(named.monthButton->menu());

        for (QObject *child : calendar.findChildren<QObject *>())
            child->setObjectName(QString());
        const CalendarParts placed = findCalendarParts(&calendar);
        QVERIFY(messages.warnings.isEmpty());
        QCOMPARE(placed.prevMonth, named.prevMonth);
        QCOMPARE(placed.nextMonth, named.nextMonth);
        QCOMPARE(placed.monthButton, named.monthButton);
        QCOMPARE(placed.yearButton, named.yearButton);
        QCOMPARE(placed.yearEdit, named.yearEdit);
        QCOMPARE(placed.monthGrid, named.monthGrid);
        QCOMPARE(placed.navigationBar, named.navigationBar);
    }

    void missingPartGivesOneWarning()
    {
        QCalendarWidget calendar;
        delete calendar.findChild<QSpinBox *>("qt_calendar_yearedit");
        DebugMessages messages;
        const CalendarParts parts = findCalendarParts(&calendar);
        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY(messages.warnings.first().contains("year spin box"));
        QVERIFY(!parts.yearEdit);
        QVERIFY(parts.navigationBar && parts.monthGrid && parts.monthButton);
    }

    void clickingADayFillsTheSelector()
    {
        OrvaDateSelector selector("Select a date");
        selector.resize(200, selector.height());
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        QCOMPARE(selector.currentText(), QString("Select a date"));

        selector.showPopup();
        OrvaCalanderView *view = selector.getCalendarView();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentPage(2024, 2);
        QTableView *grid = monthGrid(*view);
        const QModelIndex leapDay = cellOfDay(grid, 29);
        QVERIFY(leapDay.isValid());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(leapDay).center());

        QCOMPARE(selector.currentText(), QString("2024-02-29"));
        QCOMPARE(selector.currentData().toDate(), QDate(2024, 2, 29));
        QCOMPARE(selector.count(), 1);
        QTRY_VERIFY(!view->isVisible());
    }

    void releaseInsideKeepsTheDropDownOpen()
    {
        OrvaDateSelector selector("Select a date");
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        selector.showPopup();
        OrvaCalanderView *view = selector.getCalendarView();
        QTRY_VERIFY(view->isVisible());
        // Clicks as the window system delivers them: a release reaching the
        // drop-down's frame would close it.
        QWidget *popup = view->window();
        auto clickAt = [&](QWidget *widget, QPoint point) {
            const QPoint inPopup = widget->mapTo(popup, point);
            QCOMPARE(popup->childAt(inPopup)->objectName(), widget->objectName());
            QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, Qt::NoModifier, inPopup);
        };
        // The margin around the calendar.
        clickAt(view->viewport(), QPoint(2, 2));
        QVERIFY(view->isVisible());
        // The empty part of the navigation bar.
        QWidget *bar = view->findChild<QWidget *>("qt_calendar_navigationbar");
        const QWidget *prevMonth = view->findChild<QWidget *>("qt_calendar_prevmonth");
        clickAt(bar, QPoint(prevMonth->geometry().right() + 3, prevMonth->geometry().center().y()));
        QVERIFY(view->isVisible());
        QCOMPARE(selector.currentText(), QString("Select a date"));
        selector.hidePopup();
    }

    void todayButton()
    {
        OrvaDateSelector selector("Select a date");
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        selector.showPopup();
        OrvaCalanderView *view = selector.getCalendarView();
        QTRY_VERIFY(view->isVisible());
        auto *today = view->findChild<QPushButton *>("qt_calendar_today_button");
        QVERIFY(today);
        QCOMPARE(today->text(), QString("Heute"));
        view->setCurrentPage(2001, 1);

        QTest::mouseClick(today, Qt::LeftButton);
        const QDate now = QDate::currentDate();
        QCOMPARE(selector.currentText(), now.toString("yyyy-MM-dd"));
        QCOMPARE(view->findChild<QCalendarWidget *>()->selectedDate(), now);
        QCOMPARE(view->findChild<QCalendarWidget *>()->monthShown(), now.month());
        QTRY_VERIFY(!view->isVisible());
    }

    void nullDateBringsThePlaceholderBack()
    {
        OrvaDateSelector selector("Select a date");
        selector.dateSelect(QDate(2023, 7, 14));
        QCOMPARE(selector.currentText(), QString("2023-07-14"));
        selector.dateSelect(QDate());
        QCOMPARE(selector.currentText(), QString("Select a date"));
        QVERIFY(selector.currentData().toDate().isNull());
        QCOMPARE(selector.count(), 1);

        selector.dateSelect(QDate(2023, 7, 14));
        selector.clearDate();
        QCOMPARE(selector.currentText(), QString("Select a date"));
        QCOMPARE(selector.getCalendarView()->findChild<QCalendarWidget *>()->monthShown(),
                 QDate::currentDate().month());
    }

    void monthNames()
    {
        OrvaCalanderView view;
        auto *monthButton = view.findChild<QToolButton *>("qt_calendar_monthbutton");
        QCOMPARE(monthButton->text(), kGermanCaptions.value(
                                          QStringList{"month_jan", "month_feb", "month_mar", "month_apr", "month_may",
                                                      "month_jun", "month_jul", "month_aug", "month_sep", "month_oct",
                                                      "month_nov", "month_dec"}[QDate::currentDate().month() - 1]));
        view.setCurrentPage(2024, 3);
        QCOMPARE(monthButton->text(), QString("März"));

        QStringList entries;
        for (const QAction *action : monthButton->menu()->actions())
            entries << action->text();
        QCOMPARE(entries, (QStringList{"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov",
                                      "Dez"}));
        // Choosing from the menu turns the page and names the month in full.
        monthButton->menu()->actions().at(9)->trigger();
        QCOMPARE(monthButton->text(), QString("Oktober"));
    }

    void weekdayRow_data()
    {
        QTest::addColumn<bool>("captions");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("German captions") << true << QStringList{"S", "M", "D", "M", "D", "F", "S"};
        QTest::newRow("no captions: the keys") << false << QStringList{"s", "m", "t", "w", "t", "f", "s"};
    }
    void weekdayRow()
    {
        QFETCH(bool, captions);
        QFETCH(QStringList, row);
        if (!captions)
            ComponentStrings::getInstance().installStrings({});
        OrvaCalanderView view;
        QCOMPARE(::weekdayRow(view), row);
        // Between the navigation bar and the grid; the week starts on Sunday.
        auto *calendar = view.findChild<QCalendarWidget *>();
        QCOMPARE(calendar->layout()->indexOf(view.findChild<QTableWidget *>("qt_calendar_weekdayview")), 1);
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
    }

    void tabOrder()
    {
        OrvaCalanderView view;
        view.resize(280, 260);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        auto *calendar = view.findChild<QCalendarWidget *>();
        auto part = [&](const char *name) { return calendar->findChild<QWidget *>(name); };

        view.setFocus();
        const char *const order[] = {"qt_calendar_prevmonth", "qt_calendar_nextmonth", "qt_calendar_monthbutton",
                                     "qt_calendar_yearbutton"};
        for (const char *name : order) {
            pressTab();
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(name));
        }

        // The year spin box shows while the year is edited, from the year button.
        QTest::mouseClick(part("qt_calendar_yearbutton"), Qt::LeftButton);
        QTRY_VERIFY(part("qt_calendar_yearedit")->isVisible());
        part("qt_calendar_yearedit")->setFocus();
        pressTab();
        QCOMPARE(QApplication::focusWidget(), part("qt_calendar_calendarview"));
        pressTab();
        auto *today = view.findChild<QWidget *>("qt_calendar_today_button");
        QCOMPARE(QApplication::focusWidget(), today);
        pressTab();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&view));

        today->setFocus();
        pressTab(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), part("qt_calendar_calendarview"));
    }

    void accessibleNamesAndSizes()
    {
        DpiFactor dpi(1.5);
        OrvaDateSelector selector("Select a date");
        OrvaCalanderView *view = selector.getCalendarView();
        QCOMPARE(view->accessibleName(), QString("Kalender"));
        QCOMPARE(view->findChild<QWidget *>("qt_calendar_prevmonth")->accessibleName(), QString("Vorheriger Monat"));
        QCOMPARE(view->findChild<QWidget *>("qt_calendar_nextmonth")->accessibleName(), QString("Nächster Monat"));
        QCOMPARE(selector.height(), 48);
        QCOMPARE(view->size(), QSize(420, 390));
        QCOMPARE(view->findChild<QWidget *>("qt_calendar_today_button")->height(), 36);
        QCOMPARE(view->findChild<QWidget *>("qt_calendar_weekdayview")->height(), 45);
    }

    void mouseFilters()
    {
        QPushButton button("Apply");
        MouseButtonFilter swallowClicks;
        button.installEventFilter(&swallowClicks);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseDClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);

        button.removeEventFilter(&swallowClicks);
        MouseReleaseFilter swallowReleases;
        button.installEventFilter(&swallowReleases);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(button.isDown());
    }
};

LODESTAR_TEST_MAIN(TestCalendar)
#include "test-calendar.moc"
