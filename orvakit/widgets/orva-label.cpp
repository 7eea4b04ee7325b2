#include "widgets/orva-label.h"

#include "services/style-manager.h"

OrvaLabel::OrvaLabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
    setStyleSheet(getStyleSheet("component.label", false));
}

OrvaLabel::OrvaLabel(QWidget *parent, Qt::WindowFlags flags)
    : OrvaLabel(QString(), parent, flags)
{
}

void OrvaLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (wordWrap() && sizePolicy().verticalPolicy() == QSizePolicy::Minimum) {
        // Reset first so that a narrower width can raise the minimum again.
        setMinimumHeight(0);
        setMinimumHeight(heightForWidth(width()));
    }
}
