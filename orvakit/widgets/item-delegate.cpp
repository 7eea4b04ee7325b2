#include "widgets/item-delegate.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// A file name: not starting with a dot, and none of \ / : * ? " < > |
const char *const kFileNamePattern = R"(^[^\.\\\/:*?"<>|][^\\\/:*?"<>|]*)";

} // namespace

ItemDelegate::ItemDelegate()
    : QItemDelegate(nullptr)
{
}

QSize ItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {QItemDelegate::sizeHint(option, index).width(), DPIinfo::getInstance().scaled(28)};
}

void ItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *lineEdit = qobject_cast<QLineEdit *>(editor)) {
        // The view sets the data again whenever the item changes during the edit.
        if (!lineEdit->validator())
            lineEdit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QString::fromUtf8(kFileNamePattern)), lineEdit));
        lineEdit->setStyleSheet(getStyleSheet("component.tree_item", false));
        lineEdit->setAttribute(Qt::WA_MacShowFocusRect);
        lineEdit->selectAll();
    }
    QItemDelegate::setEditorData(editor, index);
}

bool ItemDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape)
            emit sigKeyPressed(key);
    }
    return QItemDelegate::eventFilter(watched, event);
}
