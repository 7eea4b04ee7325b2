#pragma once

#include "orvakit_export.h"
#include "sheets/message-functions.h"
#include "sheets/msg-box-custom-btn-text.h"
#include "sheets/sheet.h"

#include <QMessageBox>

class QAbstractButton;
class OrvaMessageSheetPrivate;

// The library's message box as a sheet: icon, text, optional informative
// text, optional double-confirmation box and a row of standard buttons.
// Laid over its host window on a mask, it takes the keyboard while it runs:
// keys reaching the window are mapped to its buttons, Tab stays inside it,
// and the window refuses to close.
//
// Every constructor needs the host widget: the sheet's width follows it.
class ORVAKIT_EXPORT OrvaMessageSheet : public OrvaSheet
{
    Q_OBJECT
public:
    // Callers pass these as numbers: the values are fixed, and the fixed
    // underlying type keeps any other number a valid value (shown like Processing).
    enum MessageType : int {
        Application = 0,
        Information = 1,
        Warning = 2,
        Confirm = 3,
        ConfirmReset = 4,
        Upgrading = 5,
        WarningConfirm = 6,
        Processing = 7,
    };

    // A Processing sheet showing the animation read from `movieFile`.
    OrvaMessageSheet(const QString &text, const QString &movieFile, QWidget *parent);
    OrvaMessageSheet(MessageType type, const QString &text, const QString &informativeText, QWidget *parent,
                     bool showIcon = true);
    OrvaMessageSheet(MessageType type, const QString &text, const MsgBoxCustomBtnText &captions, QWidget *parent,
                     bool showIcon = true);
    OrvaMessageSheet(MessageType type, const QString &text, QWidget *parent, bool showIcon = true);
    OrvaMessageSheet(MessageType type, QWidget *parent, bool showIcon = true);

    // An empty text removes the label.
    void setText(const QString &text);
    // `styleSheet`, when not empty, replaces the default look of a newly
    // created informative label.
    void setInformativeText(const QString &text, const QString &styleSheet = QString());
    // Replaces the type's icon until the contents are rebuilt.
    void setIcon(const QPixmap &pixmap);
    void setIconVisible(bool visible);
    void setMessageType(MessageType type);
    // A check box with `text` that must be ticked before Apply can be pressed.
    void setDoubleConfirmCheckBox(bool on, const QString &text);

    QAbstractButton *button(QMessageBox::StandardButton which) const;

    // Runs until a button, done() or quit() ends the sheet; returns the
    // clicked standard button's value, the code given to done(), or 0.
    int exec();
    void showSheet() override;

public slots:
    void done(int ret);
    void quit();
    void buttonClick(QAbstractButton *which);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void slotChangeApplyButtonStatus(int state);

private:
    void init(MessageType type, bool showIcon, const MsgBoxCustomBtnText &captions);

    OrvaMessageSheetPrivate *d;
    bool blockWindowButton = false;

    friend class OrvaMessageSheetPrivate;
};
