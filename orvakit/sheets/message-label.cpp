#include "sheets/message-label.h"

#include <QTextDocument>
#include <QTextDocumentFragment>

void MessageLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitHeight();
}

QString MessageLabel::readableText(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void MessageLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void MessageLabel::fitHeight()
{
    // QLabel never answers a height below its minimum, which is the height
    // fixed here last time: without this a label that was once narrow (before
    // its sheet was laid out) would stay tall, and reach over the buttons.
    setMinimumHeight(0);
    const int needed = heightForWidth(width());
    if (needed >= 0)
        setFixedHeight(needed);
}
