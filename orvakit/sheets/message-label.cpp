#include "sheets/message-label.h"

void MessageLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    const int needed = heightForWidth(width());
    if (needed >= 0)
        setFixedHeight(needed);
}
