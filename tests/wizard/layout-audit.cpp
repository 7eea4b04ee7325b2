#include "layout-audit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QString shortText(const QString &text)
{
    const QString simple = text.simplified();
    return '"' + simple.left(48) + (simple.size() > 48 ? "...\"" : "\"");
}

QString describe(const QWidget *widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += ' ' + widget->objectName();
    if (auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty())
        name += ' ' + shortText(label->text());
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget); button && !button->text().isEmpty())
        name += ' ' + shortText(button->text());
    return name;
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

QString needsMore(const QSize &needed, const QSize &room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return QString();
    return "text needs " + sizeText(needed) + ", has " + sizeText(room);
}

// What the widget's text needs, measured by the widget with its own font as
// it lays the text out, against the room it has; empty when it fits.
QString clipping(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return QString();
        if (!label->wordWrap())
            return needsMore(label->sizeHint(), label->size());
        // The narrowest a wrapped text can get is its longest word.
        const int width = qMax(label->width(), label->minimumSizeHint().width());
        return needsMore(QSize(width, label->heightForWidth(label->width())), label->size());
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return QString();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return needsMore(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()), room.size());
    }
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        if (box->text().isEmpty())
            return QString();
        return needsMore(box->sizeHint(), box->size());
    }
    return QString();
}

bool isControl(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QComboBox *>(widget);
}

bool holds(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

// A field warning that floats over its page instead of standing in a row.
bool isFloatingWarning(const QWidget *widget)
{
    QWidget *page = widget->parentWidget();
    return qobject_cast<const QLabel *>(widget) && widget->objectName() == QLatin1String("warning") && page
        && !(page->layout() && holds(page->layout(), widget));
}

bool overlapAllowed(const QWidget *a, const QWidget *b)
{
    const auto allowedOver = [](const QWidget *warning, const QWidget *other) {
        return isFloatingWarning(warning) && !qobject_cast<const QAbstractButton *>(other);
    };
    return allowedOver(a, b) || allowedOver(b, a);
}

QRect rectIn(const QWidget *root, const QWidget *widget)
{
    return QRect(widget->mapTo(root, QPoint(0, 0)), widget->size());
}

} // namespace

QStringList auditLayout(QWidget *root)
{
    QStringList findings;
    QList<QWidget *> shown;
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (widget->isVisible() && !widget->isWindow())
            shown << widget;
    if (!root->isWindow())
        shown.prepend(root);

    QList<QWidget *> controls;
    for (QWidget *widget : shown) {
        const QString clipped = clipping(widget);
        if (!clipped.isEmpty())
            findings << describe(widget) + ": " + clipped;
        QWidget *parent = widget->parentWidget();
        if (!parent->rect().contains(widget->geometry()))
            findings << describe(widget) + ": reaches outside " + describe(parent) + " (at "
                    + QStringLiteral("%1, %2").arg(widget->x()).arg(widget->y()) + ", " + sizeText(widget->size())
                    + " in " + sizeText(parent->size()) + ")";
        if (isControl(widget))
            controls << widget;
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i];
            QWidget *b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || overlapAllowed(a, b))
                continue;
            if (rectIn(root, a).intersects(rectIn(root, b)))
                findings << describe(a) + " overlaps " + describe(b);
        }
    }
    return findings;
}
