#include "sheets/message-label.h"

void MessageLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitHeight();
}

void MessageLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void MessageLabel::fitHeight()
{
    const int needed = heightForWidth(width());
    if (needed >= 0)
        setFixedHeight(needed);
}
