#include "widgets/resize-signal-table-widget.h"

#include <QResizeEvent>

ResizeSignalTableWidget::ResizeSignalTableWidget(int rows, int columns)
    : QTableWidget(rows, columns)
{
}

void ResizeSignalTableWidget::resizeEvent(QResizeEvent *event)
{
    emit sigResized(event->size());
    QTableWidget::resizeEvent(event);
}
