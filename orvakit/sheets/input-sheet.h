#pragma once

#include "orvakit_export.h"
#include "sheets/sheet.h"

#include <QMessageBox>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class OrvaInputSheetPrivate;

// A one-line input as a sheet: a prompt above a line edit, Ok and Discard.
// Run like the message sheet: keys reaching the host window press its
// buttons (Return Ok, Escape Discard) and the window refuses to close.
// Both constructors need the host widget: the sheet's width follows it.
class ORVAKIT_EXPORT OrvaInputSheet : public OrvaSheet
{
    Q_OBJECT
public:
    OrvaInputSheet(const QString &text, QWidget *parent);
    explicit OrvaInputSheet(QWidget *parent);

    void setText(const QString &text);
    QString getContent() const;
    // For a validator, a placeholder or an initial text.
    QLineEdit *getLineEdit() const;
    QAbstractButton *button(QMessageBox::StandardButton which) const;
    // Makes `button` a default button as well; null is ignored.
    void setDefaultButton(QPushButton *button);
    // Whether the host window's Close is refused while the sheet runs.
    void setBlockWindowButton(bool block);

    // Runs until Ok, Discard, done() or quit(): 1024, 8388608, the code
    // given to done(), or 0.
    int exec();
    void showSheet() override;

public slots:
    void done(int ret);
    void quit();
    void buttonClick(QAbstractButton *which);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OrvaInputSheetPrivate *d;
    bool blockWindowButton = true;

    friend class OrvaInputSheetPrivate;
};
