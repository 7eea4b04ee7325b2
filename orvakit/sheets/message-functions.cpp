#include "sheets/message-functions.h"

#include "services/component-strings.h"
#include "services/style-manager.h"
#include "sheets/mask.h"
#include "sheets/message-sheet.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// The sheet is made on the heap and watched: should the window go away while
// the sheet runs, it takes the sheet with it and there is nothing to delete.
// It is made on the window the mask covers, since it takes its width from
// the widget it is made on: a narrow parent would give a narrow sheet.
int runOnMask(OrvaMessageSheet *sheet)
{
    const QPointer<OrvaMessageSheet> guard(sheet);
    OrvaMask::createMask(sheet, sheet->parentWidget(), OrvaMask::dimColor());
    const int ret = sheet->exec();
    delete guard.data();
    return ret;
}

void captionButton(QAbstractButton *button, const QString &text, const char *styleKey)
{
    button->setText(text);
    button->setStyleSheet(getStyleSheet(styleKey, false));
}

struct BoxContent
{
    QMessageBox::Icon icon;
    const char *styleKey;
    QString title;
    QString text;
    QString informativeText;
    bool showIcon;
};

void prepareBox(QMessageBox &box, const BoxContent &content)
{
    if (content.showIcon)
        box.setIcon(content.icon);
    box.setWindowTitle(content.title);
    box.setText(content.text);
    if (!content.informativeText.isEmpty())
        box.setInformativeText(content.informativeText);
    box.setStyleSheet(getStyleSheet(content.styleKey, false));
}

void showOkBox(const BoxContent &content)
{
    QMessageBox box;
    prepareBox(box, content);
    captionButton(box.addButton(QMessageBox::Ok), ComponentStrings::getInstance().getString("ok"),
                  "component.apply_button");
    box.exec();
}

int showConfirmBox(const BoxContent &content, const MsgBoxCustomBtnText &captions)
{
    QMessageBox box;
    prepareBox(box, content);
    const ComponentStrings &strings = ComponentStrings::getInstance();
    captionButton(box.addButton(QMessageBox::Cancel),
                  captions.cancelText.isEmpty() ? strings.getString("cancel") : captions.cancelText,
                  "component.cancel_button");
    captionButton(box.addButton(QMessageBox::Apply),
                  captions.acceptText.isEmpty() ? strings.getString("ok") : captions.acceptText,
                  "component.apply_button");
    return box.exec();
}

} // namespace

void showInfoMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon)
{
    if (parent)
        runOnMask(new OrvaMessageSheet(OrvaMessageSheet::Information, text, parent->window(), showIcon));
    else
        showOkBox({QMessageBox::Information, "component.info_message_box", title, text, QString(), showIcon});
}

void showWarningMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon)
{
    if (parent)
        runOnMask(new OrvaMessageSheet(OrvaMessageSheet::Warning, text, parent->window(), showIcon));
    else
        showOkBox({QMessageBox::Warning, "component.warning_message_box", title, text, QString(), showIcon});
}

void showWarningMsg(const QString &title, const QString &text, const QString &informativeText, QWidget *parent,
                    bool showIcon)
{
    if (parent) {
        runOnMask(new OrvaMessageSheet(OrvaMessageSheet::Warning, text, informativeText, parent->window(), showIcon));
    } else {
        showOkBox(
            {QMessageBox::Warning, "component.warning_message_box", title, text, informativeText, showIcon});
    }
}

void showUpgradingMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon)
{
    if (parent)
        runOnMask(new OrvaMessageSheet(OrvaMessageSheet::Upgrading, text, parent->window(), showIcon));
    else
        showOkBox({QMessageBox::Warning, "component.upgrading_message_box", title, text, QString(), showIcon});
}

int showConfirmMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon)
{
    return showConfirmMsgCustomBtn(title, text, MsgBoxCustomBtnText(), parent, showIcon);
}

int showConfirmMsgCustomBtn(const QString &title, const QString &text, const MsgBoxCustomBtnText &captions,
                            QWidget *parent, bool showIcon)
{
    if (parent)
        return runOnMask(new OrvaMessageSheet(OrvaMessageSheet::Confirm, text, captions, parent->window(), showIcon));
    return showConfirmBox({QMessageBox::Question, "component.confirm_message_box", title, text, QString(), showIcon},
                          captions);
}
