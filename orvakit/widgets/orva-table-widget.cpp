#include "widgets/orva-table-widget.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "widgets/resize-signal-table-widget.h"

#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

// The header is a plain widget in a scroll area without scroll bars: it is
// made this wide so that the area can follow the rows however far they scroll.
const int kHeaderDesignWidth = 20000;
const int kHeaderHeight = 30;
// The extra header column that lies over the rows' vertical scroll bar.
const int kScrollBarColumnWidth = 12;
const int kRowHeight = 28;

} // namespace

OrvaTableWidget::OrvaTableWidget(const OrvaTableColumnsInfo &columns, QWidget *parent)
    : QWidget(parent)
    , columns(columns.getColumns())
{
    initailze();
}

QTableWidget *OrvaTableWidget::getTable() const
{
    return table;
}

QHeaderView *OrvaTableWidget::getHeader() const
{
    return header;
}

void OrvaTableWidget::initailze()
{
    const int n = columns.size();

    headerTable = new QTableWidget(0, n + 1, this);
    headerTable->hide();
    QStringList labels;
    for (const OrvaTableColumn &column : columns)
        labels << column.name;
    labels << QString();
    headerTable->setHorizontalHeaderLabels(labels);

    header = new QHeaderView(Qt::Horizontal);
    header->setModel(headerTable->model());
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    header->setStyleSheet(getStyleSheet("component.table_header", false));
    header->setFixedSize(px(kHeaderDesignWidth), px(kHeaderHeight));
    // The style's minimum would widen the narrow column over the scroll bar;
    // the rows share the header's minimum so that they stay in line with it.
    header->setMinimumSectionSize(px(kScrollBarColumnWidth));

    table = new ResizeSignalTableWidget(0, n);

    QHeaderView *modelHeader = headerTable->horizontalHeader();
    QHeaderView *rowsHeader = table->horizontalHeader();
    rowsHeader->setMinimumSectionSize(header->minimumSectionSize());
    for (int i = 0; i < n; ++i) {
        const int width = px(columns[i].width);
        header->resizeSection(i, width);
        modelHeader->resizeSection(i, width);
        rowsHeader->resizeSection(i, width);
        const QHeaderView::ResizeMode mode = columns[i].resizable ? QHeaderView::Interactive : QHeaderView::Fixed;
        header->setSectionResizeMode(i, mode);
        rowsHeader->setSectionResizeMode(i, mode);
    }
    header->resizeSection(n, px(kScrollBarColumnWidth));
    modelHeader->resizeSection(n, px(kScrollBarColumnWidth));
    header->setSectionResizeMode(n, QHeaderView::Fixed);

    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->verticalScrollBar()->hide();
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->verticalHeader()->setDefaultSectionSize(px(kRowHeight));
    table->setShowGrid(false);
    table->setStyleSheet(getStyleSheet("component.table", false) + getStyleSheet("component.scrollbar", false));

    headerArea = new QScrollArea;
    headerArea->setWidget(header);
    headerArea->setFixedHeight(px(kHeaderHeight));
    headerArea->setFocusPolicy(Qt::NoFocus);
    headerArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerArea->setStyleSheet("QScrollArea { border: none; }");

    layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(headerArea);
    layout->addWidget(table);

    connect(header, &QHeaderView::sectionResized, this, &OrvaTableWidget::slotSectionResized);
    connect(table->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &OrvaTableWidget::slotVerticalScrollRangeChanged);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, headerArea->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(table, &ResizeSignalTableWidget::sigResized, this, &OrvaTableWidget::slotTableResized);
    keepHeaderWidth();
}

void OrvaTableWidget::slotSectionResized(int index, int old_size, int new_size)
{
    Q_UNUSED(old_size)
    table->horizontalHeader()->resizeSection(index, new_size);
    keepHeaderWidth();
}

void OrvaTableWidget::slotVerticalScrollRangeChanged(int min, int max)
{
    Q_UNUSED(min)
    table->verticalScrollBar()->setVisible(max != 0);
}

void OrvaTableWidget::slotTableResized(QSize size)
{
    const double factor = DPIinfo::getInstance().getDPI();
    int fixed = 0;
    for (const OrvaTableColumn &column : columns) {
        if (!column.isProportional())
            fixed += column.width;
    }
    const int free = size.width() - static_cast<int>(fixed * factor);
    for (int i = 0; i < columns.size(); ++i) {
        if (!columns[i].isProportional())
            continue;
        const int width = std::max(static_cast<int>(free * columns[i].ratio), static_cast<int>(columns[i].width * factor));
        header->resizeSection(i, width);
    }
    keepHeaderWidth();
}

// Columns dragged or shared wider than the header would leave the header
// blank beyond its end while the rows go on; the header grows with them
// instead, wide enough to scroll as far as the rows can.
void OrvaTableWidget::keepHeaderWidth()
{
    const int needed = std::max(px(kHeaderDesignWidth), header->length() + headerArea->width());
    if (header->width() != needed)
        header->setFixedWidth(needed);
}
