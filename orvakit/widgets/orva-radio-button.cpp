#include "widgets/orva-radio-button.h"

#include "services/style-manager.h"

OrvaRadioButton::OrvaRadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    setStyleSheet(getStyleSheet("component.radio_button", false));
}
