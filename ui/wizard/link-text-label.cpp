#include "link-text-label.h"

#include <QFocusEvent>

LinkTextLabel::LinkTextLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

void LinkTextLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    // QLabel takes the focus with no link marked, so the first Tab would show
    // nothing and Return would follow nothing. Without a link in the text the
    // step would pass the focus on instead.
    if (!text().contains(QLatin1String("href"), Qt::CaseInsensitive))
        return;
    if (event->reason() == Qt::TabFocusReason)
        focusNextPrevChild(true);
    else if (event->reason() == Qt::BacktabFocusReason)
        focusNextPrevChild(false);
}

bool LinkTextLabel::focusNextPrevChild(bool next)
{
    // A text set while the label has the focus starts with link handling that
    // knows nothing of that focus, and the first Tab would mark no link.
    if (hasFocus()) {
        QFocusEvent focused(QEvent::FocusIn, Qt::OtherFocusReason);
        QLabel::focusInEvent(&focused);
    }
    return QLabel::focusNextPrevChild(next);
}
