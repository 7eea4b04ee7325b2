#include <QtTest>

#include "dpi-factor.h"
#include "kit-fixture.h"
#include "test-main.h"

#include "widgets/orva-table-widget.h"

#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

namespace {

// A proportional "Name" column, at least 200 wide, and a fixed "Size" column of 80.
OrvaTableColumnsInfo nameAndSize()
{
    OrvaTableColumnsInfo columns;
    columns.addColumn("Name", 200, true, 1.0);
    columns.addColumn("Size", 80, false, 0.0);
    return columns;
}

void fillRows(QTableWidget *table, int count)
{
    for (int row = table->rowCount(); row < count; ++row) {
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(QString("report-%1.pdf").arg(row)));
        table->setItem(row, 1, new QTableWidgetItem(QString("%1 KB").arg(row * 7)));
    }
}

// Shows the widget with the rows' viewport `width` wide: a scroll area
// reports the size of its viewport, which its scroll bar does not cover.
bool showWithRowsWidth(OrvaTableWidget &widget, int width)
{
    widget.resize(width, 300);
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        return false;
    const QTableWidget *table = widget.getTable();
    widget.resize(width + table->width() - table->viewport()->width(), 300);
    return QTest::qWaitFor([&] { return table->viewport()->width() == width; });
}

QScrollBar *headerScrollBar(const OrvaTableWidget &widget)
{
    return widget.findChild<QScrollArea *>()->horizontalScrollBar();
}

} // namespace

class TestOrvaTableWidget : public QObject
{
    Q_OBJECT
    KitFixture kit;

private slots:
    void addColumnReturnsIndexes()
    {
        OrvaTableColumnsInfo columns;
        QCOMPARE(columns.addColumn("Name", 200, true, 0.5), 0);
        QCOMPARE(columns.addColumn("Size", 80, false, 0.0), 1);
        QCOMPARE(columns.addColumn("Modified", 120, true, 0.0), 2);
        QCOMPARE(columns.getColumns().size(), 3);
        QCOMPARE(columns.getColumns()[2].name, QString("Modified"));
    }

    void headerAndRowsHaveTheColumns()
    {
        OrvaTableWidget widget(nameAndSize(), nullptr);
        QHeaderView *header = widget.getHeader();
        // The header has one more section, over the rows' scroll bar.
        QCOMPARE(header->count(), 3);
        QCOMPARE(widget.getTable()->columnCount(), 2);
        QCOMPARE(header->model()->headerData(0, Qt::Horizontal).toString(), QString("Name"));
        QCOMPARE(header->model()->headerData(1, Qt::Horizontal).toString(), QString("Size"));
        QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(header->sectionResizeMode(1), QHeaderView::Fixed);
        QCOMPARE(header->sectionResizeMode(2), QHeaderView::Fixed);
        QCOMPARE(widget.getTable()->horizontalHeader()->sectionResizeMode(1), QHeaderView::Fixed);
        QCOMPARE(header->sectionSize(2), 12);
    }

    void proportionalWidths_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("nameWidth");
        QTest::addColumn<bool>("rowsScroll");
        QTest::newRow("600 wide: the name takes the free 520") << 1.0 << 600 << 520 << false;
        QTest::newRow("250 wide: the name keeps its minimum 200") << 1.0 << 250 << 200 << true;
        QTest::newRow("600 wide at 1.5: 600 - 120 free") << 1.5 << 600 << 480 << false;
        QTest::newRow("350 wide at 1.5: minimum 300") << 1.5 << 350 << 300 << true;
    }
    void proportionalWidths()
    {
        QFETCH(double, factor);
        QFETCH(int, width);
        QFETCH(int, nameWidth);
        QFETCH(bool, rowsScroll);
        DpiFactor dpi(factor);
        OrvaTableWidget widget(nameAndSize(), nullptr);
        fillRows(widget.getTable(), 3);
        QSignalSpy resized(widget.getTable(), SIGNAL(sigResized(QSize)));
        QVERIFY(showWithRowsWidth(widget, width));
        QCOMPARE(resized.last().at(0).toSize().width(), width);

        const int sizeWidth = int(80 * factor);
        QCOMPARE(widget.getHeader()->sectionSize(0), nameWidth);
        QCOMPARE(widget.getHeader()->sectionSize(1), sizeWidth);
        QCOMPARE(widget.getTable()->columnWidth(0), nameWidth);
        QCOMPARE(widget.getTable()->columnWidth(1), sizeWidth);

        QScrollBar *rows = widget.getTable()->horizontalScrollBar();
        QCOMPARE(rows->maximum() > 0, rowsScroll);
        if (rowsScroll) {
            // The header moves with the rows, to the pixel.
            rows->setValue(rows->maximum());
            QCOMPARE(headerScrollBar(widget)->value(), rows->maximum());
            QCOMPARE(widget.getHeader()->mapTo(&widget, QPoint(0, 0)).x()
                         + widget.getHeader()->sectionPosition(1),
                     widget.getTable()->viewport()->mapTo(&widget, QPoint(0, 0)).x()
                         + widget.getTable()->columnViewportPosition(1));
        }
    }

    void draggingAHeaderBorderResizesTheRows()
    {
        OrvaTableWidget widget(nameAndSize(), nullptr);
        fillRows(widget.getTable(), 3);
        QVERIFY(showWithRowsWidth(widget, 600));
        QHeaderView *header = widget.getHeader();
        QWidget *viewport = header->viewport();
        const int border = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
        const QPoint from(border, header->height() / 2);
        const QPoint to(border - 150, from.y());

        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        // QTest::mouseMove carries no pressed button; a drag needs one.
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);

        QCOMPARE(header->sectionSize(0), 520 - 150);
        QCOMPARE(widget.getTable()->columnWidth(0), 520 - 150);
        QCOMPARE(widget.getTable()->columnWidth(1), 80);
    }

    void verticalScrollBarOnlyWhenRowsOverflow()
    {
        OrvaTableWidget widget(nameAndSize(), nullptr);
        widget.resize(600, 30 + 10 * 28);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QScrollBar *bar = widget.getTable()->verticalScrollBar();

        fillRows(widget.getTable(), 5);
        QTRY_VERIFY(bar->isHidden());
        fillRows(widget.getTable(), 40);
        QTRY_VERIFY(bar->isVisible());
        widget.getTable()->setRowCount(2);
        QTRY_VERIFY(bar->isHidden());
    }

    // Columns together wider than the header's own 20000 x factor pixels:
    // the header grows with them, so scrolled to the far right it still
    // shows the columns' labels above their rows.
    void headerFollowsColumnsBeyondItsWidth_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("1.5") << 1.5;
    }
    void headerFollowsColumnsBeyondItsWidth()
    {
        QFETCH(double, factor);
        DpiFactor dpi(factor);
        OrvaTableColumnsInfo columns;
        columns.addColumn("Path", 16000, true, 0.0);
        columns.addColumn("Owner", 9000, true, 0.0);
        columns.addColumn("Size", 80, false, 0.0);
        OrvaTableWidget widget(columns, nullptr);
        fillRows(widget.getTable(), 3);
        widget.resize(600, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QHeaderView *header = widget.getHeader();
        QVERIFY(header->length() > int(20000 * factor));

        QScrollBar *rows = widget.getTable()->horizontalScrollBar();
        rows->setValue(rows->maximum());
        QCOMPARE(headerScrollBar(widget)->value(), rows->maximum());
        // The "Size" column in the rows and in the header line up.
        const QTableWidget *table = widget.getTable();
        const int rowsX = table->viewport()->mapTo(&widget, QPoint(table->columnViewportPosition(2), 0)).x();
        const int headerX = header->mapTo(&widget, QPoint(header->sectionPosition(2), 0)).x();
        QCOMPARE(headerX, rowsX);
        QVERIFY(rowsX >= 0 && rowsX < widget.width());

        // Narrowing the columns again gives the header its usual width back.
        header->resizeSection(0, 200);
        header->resizeSection(1, 200);
        QCOMPARE(header->width(), int(20000 * factor));
    }
};

LODESTAR_TEST_MAIN(TestOrvaTableWidget)
#include "test-orva-table-widget.moc"
