#pragma once

#include "orvakit_export.h"

#include <QTableWidget>

// A table widget that tells others its new size before it lays itself out.
class ORVAKIT_EXPORT ResizeSignalTableWidget : public QTableWidget
{
    Q_OBJECT
public:
    ResizeSignalTableWidget(int rows, int columns);

signals:
    void sigResized(QSize size);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
