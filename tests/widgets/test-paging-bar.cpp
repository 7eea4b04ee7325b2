#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"
#include "kit-fixture.h"

#include "widgets/orva-button.h"
#include "widgets/orva-icon-button.h"
#include "widgets/orva-paging-bar.h"
#include "widgets/orva-paging-model.h"

#include <QLabel>

namespace {

// A shown bar under a list of `items` items, 25 to a page, on `page`.
struct PagedList
{
    PagedList(int items, int page)
        : model(25, nullptr)
        , bar(&model, nullptr)
    {
        bar.resize(900, 32);
        bar.show();
        model.setNowPage(page);
        bar.setItemCount(items);
    }

    // The five page buttons left to right, as "text" or "[text]" when disabled.
    QString window() const
    {
        QStringList shown;
        for (const OrvaButton *button : bar.findChildren<OrvaButton *>())
            shown << (button->isEnabled() ? button->text() : "[" + button->text() + "]");
        return shown.join(',');
    }

    OrvaIconButton *arrow(const QString &toolTip) const
    {
        for (OrvaIconButton *button : bar.findChildren<OrvaIconButton *>())
            if (button->toolTip() == toolTip)
                return button;
        return nullptr;
    }

    // "F" first, "P" back five, "N" forward five, "L" last: upper case when enabled.
    QString arrows() const
    {
        QString shown;
        const struct { const char *tip; char letter; } all[] = {
            {"First page", 'f'}, {"Back five pages", 'p'}, {"Forward five pages", 'n'}, {"Last page", 'l'}};
        for (const auto &a : all)
            shown += arrow(a.tip)->isEnabled() ? QChar(a.letter).toUpper() : QChar(a.letter);
        return shown;
    }

    void clickPage(int index) { QTest::mouseClick(bar.findChildren<OrvaButton *>().at(index), Qt::LeftButton); }

    OrvaPagingModel model;
    OrvaPagingBar bar;
};

QList<QLabel *> footer(const OrvaPagingBar &bar)
{
    QList<QLabel *> labels;
    for (QLabel *label : bar.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            labels << label;
    return labels;
}

} // namespace

class TestPagingBar : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KitFixture> kit;

private slots:
    void initTestCase() { kit = std::make_unique<KitFixture>(); }
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void modelArithmetic_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("rowLimit");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<int>("startItem");
        QTest::newRow("0 items") << 0 << 25 << 1 << 1 << 0;
        QTest::newRow("25 items: exactly one page") << 25 << 25 << 1 << 1 << 0;
        QTest::newRow("26 items: a second page") << 26 << 25 << 2 << 2 << 25;
        QTest::newRow("101 by 25, page 4") << 101 << 25 << 4 << 5 << 75;
        QTest::newRow("101 by 25, page 5") << 101 << 25 << 5 << 5 << 100;
        QTest::newRow("negative count: one page") << -7 << 25 << 1 << 1 << 0;
    }
    void modelArithmetic()
    {
        QFETCH(int, items);
        QFETCH(int, rowLimit);
        QFETCH(int, page);
        QFETCH(int, pageCount);
        QFETCH(int, startItem);
        OrvaPagingModel model(rowLimit, nullptr);
        model.setItemCount(items);
        model.setNowPage(page);
        QCOMPARE(model.pageCount(), pageCount);
        QCOMPARE(model.startItem(), startItem);
    }

    // A limit below 1 would divide by zero (or count pages backwards).
    void rowLimitBelowOneIsTakenAsOne_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("bySetter");
        QTest::newRow("0 at construction") << 0 << false;
        QTest::newRow("-5 at construction") << -5 << false;
        QTest::newRow("0 set later") << 0 << true;
    }
    void rowLimitBelowOneIsTakenAsOne()
    {
        QFETCH(int, limit);
        QFETCH(bool, bySetter);
        DebugMessages messages;
        OrvaPagingModel model(bySetter ? 10 : limit, nullptr);
        if (bySetter)
            model.setRowLimit(limit);
        model.setItemCount(3);
        model.setNowPage(3);
        QCOMPARE(model.rowLimit(), 1);
        QCOMPARE(model.pageCount(), 3);
        QCOMPARE(model.startItem(), 2);
        QCOMPARE(messages.warnings.size(), 1);
        QVERIFY(messages.warnings.first().contains(QString::number(limit)));
    }

    void pageWindowIsCentredOnTheCurrentPage_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("arrows");
        QTest::addColumn<int>("startItem");
        QTest::newRow("0 items") << 0 << 1 << "[ ],[ ],1,[ ],[ ]" << "fpnl" << 0;
        QTest::newRow("101 by 25, page 1") << 101 << 1 << "[ ],[ ],1,2,3" << "fpNL" << 0;
        QTest::newRow("101 by 25, page 4") << 101 << 4 << "2,3,4,5,[ ]" << "FPNL" << 75;
        QTest::newRow("101 by 25, page 5") << 101 << 5 << "3,4,5,[ ],[ ]" << "FPnl" << 100;
        QTest::newRow("300 by 25, page 7") << 300 << 7 << "5,6,7,8,9" << "FPNL" << 150;
    }
    void pageWindowIsCentredOnTheCurrentPage()
    {
        QFETCH(int, items);
        QFETCH(int, page);
        QFETCH(QString, window);
        QFETCH(QString, arrows);
        QFETCH(int, startItem);
        PagedList list(items, page);
        QCOMPARE(list.window(), window);
        QCOMPARE(list.arrows(), arrows);
        QCOMPARE(list.model.startItem(), startItem);
    }

    // Where the user clicks on a list of 101 items (5 pages) and where that leads.
    void userMovesBetweenPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("newPage");
        QTest::newRow("back five from 3 stops at 1") << 3 << "Back five pages" << 1;
        QTest::newRow("forward five from 3 stops at 5") << 3 << "Forward five pages" << 5;
        QTest::newRow("first from 4") << 4 << "First page" << 1;
        QTest::newRow("last from 2") << 2 << "Last page" << 5;
        QTest::newRow("number right of the current") << 2 << "3" << 3;
        QTest::newRow("number two left of the current") << 4 << "0" << 2;
        QTest::newRow("the current page again") << 3 << "2" << 3;
    }
    void userMovesBetweenPages()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(int, newPage);
        PagedList list(101, page);
        QSignalSpy changed(&list.bar, &OrvaPagingBar::sigPageChanged);
        bool isIndex = false;
        const int index = control.toInt(&isIndex);
        if (isIndex)
            list.clickPage(index);
        else
            QTest::mouseClick(list.arrow(control), Qt::LeftButton);
        QCOMPARE(list.model.nowPage(), newPage);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list.bar.findChildren<OrvaButton *>().at(2)->text(), QString::number(newPage));
    }

    void fewerItemsKeepThePage()
    {
        PagedList list(101, 5);
        QSignalSpy changed(&list.bar, &OrvaPagingBar::sigPageChanged);
        list.bar.setItemCount(80);
        QCOMPARE(list.model.nowPage(), 5);
        QCOMPARE(list.window(), "3,4,[ ],[ ],[ ]");
        QCOMPARE(list.arrows(), "FPnl");
        QCOMPARE(changed.count(), 0);
        // The way back is still open.
        list.clickPage(0);
        QCOMPARE(list.model.nowPage(), 3);
    }

    void resetAndRefreshAreAnnounced()
    {
        PagedList list(101, 4);
        QSignalSpy changed(&list.bar, &OrvaPagingBar::sigPageChanged);
        QSignalSpy refresh(&list.bar, &OrvaPagingBar::sigRefresh);
        list.bar.reset();
        QCOMPARE(list.model.nowPage(), 1);
        QCOMPARE(changed.count(), 1);
        OrvaIconButton *refreshButton = nullptr;
        for (OrvaIconButton *button : list.bar.findChildren<OrvaIconButton *>())
            if (button->accessibleName() == "Refresh")
                refreshButton = button;
        QVERIFY(refreshButton);
        QTest::mouseClick(refreshButton, Qt::LeftButton);
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(changed.count(), 1);
    }

    void shrinkingTheFooterKeepsItsRightEnd()
    {
        PagedList list(101, 1);
        list.bar.setFooterInfos({{"101 items", 0}, {"25 per page", 0}, {"Sorted by name", 0},
                                 {"Filtered", 0}, {"Updated 09:30", 0}});
        list.bar.setFooterInfos({{"98 items", 0}, {"25 per page", 90}, {"Sorted by date", 0}});
        QApplication::processEvents();

        const QList<QLabel *> labels = footer(list.bar);
        QList<QLabel *> separators;
        for (QLabel *label : list.bar.findChildren<QLabel *>())
            if (label->text().isEmpty())
                separators << label;
        QCOMPARE(labels.size(), 3);
        QCOMPARE(separators.size(), 3);
        QCOMPARE(labels[0]->text(), "98 items");
        QCOMPARE(labels[1]->text(), "25 per page");
        QCOMPARE(labels[1]->width(), 90);
        QCOMPARE(labels[2]->text(), "Sorted by date");

        // Left to right: label 2, separator, label 1, separator, label 0, separator, refresh.
        OrvaIconButton *refresh = list.arrow("");
        QVERIFY(refresh);
        const QWidget *order[] = {labels[2], separators[2], labels[1], separators[1], labels[0], separators[0], refresh};
        for (int i = 0; i + 1 < 7; ++i)
            QVERIFY2(order[i]->geometry().right() < order[i + 1]->geometry().left(), qPrintable(QString::number(i)));
        // Right next to each other: only the layout's spacing between them.
        QCOMPARE(separators[0]->geometry().left() - labels[0]->geometry().right() - 1, 4);
        QCOMPARE(refresh->geometry().left() - separators[0]->geometry().right() - 1, 4);
    }

    void firstLabelClosesTheBarWithoutRefreshButton_data()
    {
        QTest::addColumn<bool>("refreshHidden");
        QTest::addColumn<QString>("firstKey");
        QTest::newRow("refresh shown") << false << "component.paging_bar_label";
        QTest::newRow("refresh hidden") << true << "component.paging_bar_rightmost_label";
    }
    void firstLabelClosesTheBarWithoutRefreshButton()
    {
        QFETCH(bool, refreshHidden);
        QFETCH(QString, firstKey);
        PagedList list(101, 1);
        list.bar.setRefreshButtonHidden(refreshHidden);
        list.bar.setFooterInfos({{"101 items", 0}, {"25 per page", 0}});
        const QList<QLabel *> labels = footer(list.bar);
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels[0]->styleSheet(), getStyleSheet(firstKey, false));
        QCOMPARE(labels[1]->styleSheet(), getStyleSheet("component.paging_bar_label", false));
    }

    void footerWidthIsScaled()
    {
        DPIinfo::getInstance().setDPI(1.5);
        PagedList list(0, 1);
        list.bar.setFooterInfo({"0 items", 81});
        QCOMPARE(footer(list.bar).first()->width(), 121);
        QCOMPARE(list.bar.findChild<QWidget *>("PAGINGBARBORDER")->height(), 48);
    }
};

LODESTAR_TEST_MAIN(TestPagingBar)
#include "test-paging-bar.moc"
