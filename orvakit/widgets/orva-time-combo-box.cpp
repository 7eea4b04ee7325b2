#include "widgets/orva-time-combo-box.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>

OrvaTimeComboBox::OrvaTimeComboBox(QWidget *parent)
    : OrvaComboBox(parent)
    , maxVisible(maxVisibleItems())
{
    installEventFilter(this);
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void OrvaTimeComboBox::setEditable(bool editable)
{
    if (editable == isEditable())
        return;
    QComboBox::setEditable(editable);
    if (editable) {
        lineEdit()->setValidator(new QRegularExpressionValidator(
            QRegularExpression("^(?:\\d|[01]\\d|2[0-3])(?:|:|:\\d|:[0-5]\\d)$"), this));
        lineEdit()->setFocusPolicy(Qt::StrongFocus);
        // Qt's inline completion would turn a typed "1" into "10:00" before
        // the box reads it as one o'clock; the box completes times itself.
        setCompleter(nullptr);
        // Typed times never become entries of their own: the custom row shows them.
        setInsertPolicy(QComboBox::NoInsert);
        customIndex = qMin(customIndex, count());
        insertItem(customIndex, QString());
        setItemVisible(false);
    } else {
        removeItem(customIndex);
    }
}

bool OrvaTimeComboBox::hasCustomRow() const
{
    return isEditable() && customIndex < count();
}

void OrvaTimeComboBox::setItemVisible(bool visible)
{
    // A caller may have cleared the list, custom row and all.
    if (!hasCustomRow())
        return;
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setRowHidden(customIndex, !visible);
    if (auto *items = qobject_cast<QStandardItemModel *>(model())) {
        QStandardItem *item = items->item(customIndex);
        item->setFlags(visible ? item->flags() | Qt::ItemIsEnabled : item->flags() & ~Qt::ItemIsEnabled);
    }
    adjustMaxVisibleItems();
}

void OrvaTimeComboBox::adjustMaxVisibleItems()
{
    const bool customRowHidden = hasCustomRow() && !(model()->flags(model()->index(customIndex, 0)) & Qt::ItemIsEnabled);
    QComboBox::setMaxVisibleItems(customRowHidden ? maxVisible + 1 : maxVisible);
}

void OrvaTimeComboBox::setMaxVisibleItems(int count)
{
    maxVisible = count;
    adjustMaxVisibleItems();
}

void OrvaTimeComboBox::setCustomText(const QString &text)
{
    customText = text;
}

int OrvaTimeComboBox::findTime(const QString &time) const
{
    return findData(time, Qt::DisplayRole, Qt::MatchCaseSensitive);
}

void OrvaTimeComboBox::fillCustomRow(const QString &time)
{
    if (hasCustomRow())
        setItemText(customIndex, customText.isEmpty() ? time : time + " " + customText);
}

int OrvaTimeComboBox::rowForText(const std::string &text)
{
    int row = findTime(QString::fromStdString(text));
    if (!isEditable()) {
        return row == -1 ? 0 : row;
    }
    if (row == -1) {
        fillCustomRow(QString::fromStdString(text));
        setItemVisible(true);
        return customIndex;
    }
    setItemVisible(false);
    return row;
}

void OrvaTimeComboBox::setCurrentText(const std::string &text)
{
    setCurrentIndex(rowForText(text));
}

void OrvaTimeComboBox::setDefault(const std::string &text)
{
    defaultIndex = rowForText(text);
}

void OrvaTimeComboBox::correctTime()
{
    const QString typed = currentText().left(5);
    if (typed.isEmpty()) {
        if (defaultIndex < count()) {
            setItemVisible(false);
            setCurrentIndex(defaultIndex);
        } else {
            setItemVisible(true);
            setCurrentIndex(customIndex);
        }
        return;
    }

    QStringList parts = typed.split(':');
    for (QString &part : parts) {
        if (part.isEmpty())
            part = "00";
        else if (part.size() == 1)
            part.prepend('0');
    }
    const QString time = parts[0] + ":" + (parts.size() > 1 ? parts[1] : QStringLiteral("00"));
    const int row = findTime(time);

    if (!isEditable()) {
        setCurrentIndex(row == -1 ? 0 : row);
        return;
    }
    if (row >= 0 && row != customIndex) {
        setItemVisible(false);
        setCurrentIndex(row);
        return;
    }
    fillCustomRow(time);
    setItemVisible(true);
    setCurrentIndex(customIndex);
    // The row may already have been current: listeners still hear of the new time.
    emit currentIndexChanged(customIndex);
}

bool OrvaTimeComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                clearFocus();
            break;
        }
        case QEvent::FocusIn:
            // The user edits the bare time, without the custom text.
            if (currentIndex() == customIndex && hasCustomRow())
                setItemText(customIndex, currentText().left(5));
            break;
        case QEvent::FocusOut:
            correctTime();
            break;
        default:
            break;
        }
    }
    return OrvaComboBox::eventFilter(watched, event);
}
