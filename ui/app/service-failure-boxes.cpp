#include "service-failure-boxes.h"

#include "ui-strings.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "services/component-strings.h"
#include "services/image-manager.h"
#include "services/style-manager.h"

namespace {

void runWarningBox(int textIndex, QMessageBox::StandardButton button, const QString &buttonText)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    // Our own warning image, as on the message sheets, rather than the
    // platform theme's; it comes scaled for the screen.
    box.setIconPixmap(getGlobalImage("icon_warning", ImageManager::Normal));
    box.setWindowTitle(uiString(UiText::AppName));
    box.setText(uiString(textIndex));
    box.setStandardButtons(button);
    box.setStyleSheet(getStyleSheet("component.warning_message_box", false));
    QAbstractButton *only = box.button(button);
    only->setText(buttonText);
    only->setStyleSheet(getStyleSheet("component.apply_button", false));
    box.adjustSize();
    box.exec();
}

} // namespace

void runServiceBrokenBox(cmError err)
{
    runWarningBox(err == cmAccessDenied ? UiText::ErrUnprivileged : UiText::ErrQueryServiceFailed, QMessageBox::Ok,
                  ComponentStrings::getInstance().getString(QStringLiteral("ok")));
}

void runServiceRetryBox()
{
    runWarningBox(UiText::InitializingFailedDesc, QMessageBox::Retry, uiString(UiText::BtnRetry));
}
