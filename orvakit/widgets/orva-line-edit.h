#pragma once

#include "orvakit_export.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;

// A line edit between a label before and a label after it ("Port", edit,
// "1-65535"), with an optional check of its text and an error look that
// style-sheet rules on the edit's "error" property draw.
class ORVAKIT_EXPORT OrvaLineEdit : public QWidget
{
    Q_OBJECT
public:
    using Validator = bool (*)(const QString &);

    explicit OrvaLineEdit(QWidget *parent = nullptr);

    QString getEditText() const;
    // The parts, for the caller to fill: texts, placeholder, echo mode...
    QLineEdit *getLineEdit() const;
    QLabel *getPreLabel() const;
    QLabel *getPostLabel() const;

    // nullptr removes the check.
    void setValidator(Validator check);
    // True without a check; otherwise the check's answer for the text.
    bool validate() const;
    // Switches the error look on or off; the caller decides when.
    void setError(bool error);

    // Design sizes, scaled for the screen.
    void setMargins(int left, int top, int right, int bottom);
    void setSpacing(int spacing);

private:
    // Not "layout", which would hide QWidget::layout() from callers.
    QHBoxLayout *rowLayout;
    QLabel *preLabel;
    QLabel *postLabel;
    QLineEdit *lineEdit;
    Validator validator = nullptr;
};
