#pragma once

#include "orvakit_export.h"

#include <QList>
#include <QTableWidget>

class QPushButton;
class QSignalMapper;
class QToolButton;

// A breadcrumb bar for a folder path such as a/b/c: one flat button per
// segment, small arrows between them. When the segments are wider than the
// bar, it scrolls to the deepest ones and offers the hidden leading segments
// in the menu of a folder button over its left edge.
class ORVAKIT_EXPORT OrvaButtonPath : public QTableWidget
{
    Q_OBJECT
public:
    explicit OrvaButtonPath(QWidget *parent = nullptr);

    // Rebuilds the bar for `path`; empty segments (leading, trailing or
    // doubled slashes) are dropped.
    void refresh(QString path);
    // The path up to and including the segment in `column`, without a
    // leading slash; empty for a column before the first segment.
    QString getPath(int column) const;

signals:
    // The user chose `path`. The bar does not follow by itself: its owner
    // decides, typically by calling slotUpdatePath.
    void sigUpdatePath(QString path);

public slots:
    void slotUpdatePath(QString path);
    // `btn_id` is the column of the chosen segment.
    void slotPathBarClicked(int btn_id);

private:
    void updateColumnSize();
    void setChangeFolderBtn(int total);

    QList<QPushButton *> cellButtons;
    QToolButton *changeFolderButton = nullptr;
    int visibleWidth = 0;
    QSignalMapper *nameMapper = nullptr;
    QSignalMapper *menuMapper = nullptr;
};
