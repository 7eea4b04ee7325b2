#pragma once

#include "orvakit_export.h"

#include <QColor>
#include <QTreeWidget>

// A folder tree that paints the selected row and the row under the pointer
// as a rounded coloured bar, greys out rows whose items cannot be checked,
// and reports right clicks and key presses before it handles them.
class ORVAKIT_EXPORT OrvaTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    explicit OrvaTreeWidget(QWidget *parent = nullptr);

    // The bar colours; no bar is painted until they are set.
    void setBackgroundColor(QColor selected, QColor hover);
    // Scrolls horizontally so that the item's left edge is in view, at the
    // middle of the viewport.
    void updateScrollArea(QTreeWidgetItem *item);

signals:
    // Before the click selects anything.
    void sigMouseRightClickEvent(QMouseEvent *event);
    void sigKeyPressEvent(QKeyEvent *event);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QColor selectedColor;
    QColor hoverColor;
};
