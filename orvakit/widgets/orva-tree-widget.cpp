#include "widgets/orva-tree-widget.h"

#include "services/dpi-info.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

} // namespace

OrvaTreeWidget::OrvaTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
}

void OrvaTreeWidget::setBackgroundColor(QColor selected, QColor hover)
{
    selectedColor = selected;
    hoverColor = hover;
}

void OrvaTreeWidget::updateScrollArea(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int viewportWidth = viewport()->width();
    const int scrolled = horizontalScrollBar()->value();
    const int left = visualItemRect(item).left();
    if (left < 0 || left + px(100) > viewportWidth)
        horizontalScrollBar()->setValue(left - viewportWidth / 2 + scrolled);
}

void OrvaTreeWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit sigMouseRightClickEvent(event);
    QTreeWidget::mousePressEvent(event);
}

void OrvaTreeWidget::keyPressEvent(QKeyEvent *event)
{
    emit sigKeyPressEvent(event);
    QTreeWidget::keyPressEvent(event);
}

// Focus arriving shows where the keyboard is: the top item becomes current
// when none is, otherwise the current item is announced and drawn afresh.
// The selection is left as it is.
void OrvaTreeWidget::focusInEvent(QFocusEvent *event)
{
    Q_UNUSED(event)
    QTreeWidgetItem *current = currentItem();
    if (!current) {
        setCurrentItem(itemAt(0, 0));
        return;
    }
    const QModelIndex index = currentIndex();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void OrvaTreeWidget::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = selectionModel()->isRowSelected(index.row(), index.parent());
    // option.rect is in viewport coordinates, and so is the pointer here.
    const bool hovered = option.rect.contains(viewport()->mapFromGlobal(QCursor::pos()));
    if (selected || hovered) {
        const int radius = px(3);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QColor("#FFFFFF"));
        painter->setBrush(selected ? selectedColor : hoverColor);
        painter->drawRoundedRect(option.rect.adjusted(0, 0, -px(3), 0), radius, radius);
        painter->restore();
    }

    QStyleOptionViewItem look = option;
    const QTreeWidgetItem *item = itemFromIndex(index);
    if (item && !(item->flags() & Qt::ItemIsUserCheckable))
        look.state &= ~QStyle::State_Enabled;
    QTreeWidget::drawRow(painter, look, index);
}
