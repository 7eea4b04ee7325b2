#pragma once

#include "orvakit_export.h"

#include <QItemDelegate>

// Rows of 28 design pixels, and the in-place rename editor of a folder tree
// with the file-name rule. Escape is reported before it cancels the edit.
class ORVAKIT_EXPORT ItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    ItemDelegate();

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

signals:
    void sigKeyPressed(QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
