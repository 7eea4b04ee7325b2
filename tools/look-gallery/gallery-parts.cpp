#include "gallery-parts.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"

#include <QLabel>

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

void applySheet(QWidget *widget, const char *key)
{
    widget->setStyleSheet(getStyleSheet(key, false));
}

QLabel *heading(const QString &text)
{
    return styled(new QLabel(text), "welcome_title");
}

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(DPIinfo::getInstance().getScaledStyleSheet("QLabel { color: #98A4B3; font-size: 11px; }"));
    return label;
}
