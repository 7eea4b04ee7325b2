#pragma once

#include "orvakit_export.h"
#include "widgets/orva-table-columns-info.h"

#include <QWidget>

class QHeaderView;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;
class ResizeSignalTableWidget;

// A list table whose header lives apart from the rows, in a scroll area of
// its own: it runs on over the rows' vertical scroll bar, scrolls with the
// rows, and proportional columns share the width the fixed ones leave free.
class ORVAKIT_EXPORT OrvaTableWidget : public QWidget
{
    Q_OBJECT
public:
    OrvaTableWidget(const OrvaTableColumnsInfo &columns, QWidget *parent);

    // The rows, to which the caller adds rows and items.
    QTableWidget *getTable() const;
    // The visible header.
    QHeaderView *getHeader() const;

public slots:
    // A column resized in the header follows in the rows.
    void slotSectionResized(int index, int old_size, int new_size);
    // The rows' vertical scroll bar shows only when there is something to scroll.
    void slotVerticalScrollRangeChanged(int min, int max);
    // Shares the free width among the proportional columns.
    void slotTableResized(QSize size);

private:
    void initailze();
    void keepHeaderWidth();

    QVector<OrvaTableColumn> columns;
    QScrollArea *headerArea = nullptr;
    QHeaderView *header = nullptr;
    QTableWidget *headerTable = nullptr;
    ResizeSignalTableWidget *table = nullptr;
    QVBoxLayout *layout = nullptr;
};
