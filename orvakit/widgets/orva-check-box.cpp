#include "widgets/orva-check-box.h"

#include "services/style-manager.h"

OrvaCheckBox::OrvaCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    setStyleSheet(getStyleSheet("component.checkbox", false));
}
