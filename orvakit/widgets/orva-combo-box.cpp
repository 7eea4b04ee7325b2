#include "widgets/orva-combo-box.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

OrvaComboBox::OrvaComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // The padding keeps its fraction: 7.5px reads better than 7px at 1.25.
    const QString padding = QString::number(6 * DPIinfo::getInstance().getDPI(), 'g', 6);
    const QString paddingText = "padding-left: " + padding + "px; \npadding-right: " + padding + "px;";
    const QString borderText = "border: 1px solid #C8D2DC;";
    setStyleSheet(getStyleSheet("component.combobox", false).arg(paddingText, borderText) +
                  getStyleSheet("component.scrollbar", false));
    // The default delegate ignores the sheet's item rules.
    setItemDelegate(new QStyledItemDelegate(this));
}

void OrvaComboBox::showPopup()
{
    clearFocus();
    QComboBox::showPopup();
    // The list's frame is the popup window around the view.
    if (QWidget *frame = view()->parentWidget()) {
        const QPoint topLeft = mapToGlobal(QPoint(0, 0));
        frame->move(topLeft.x(), topLeft.y() + height() + 2);
    }
}
