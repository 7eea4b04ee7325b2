#include "widgets/orva-line-edit.h"

#include "services/style-manager.h"
#include "widgets/scaled-layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

OrvaLineEdit::OrvaLineEdit(QWidget *parent)
    : QWidget(parent)
    , rowLayout(new QHBoxLayout(this))
    , preLabel(new QLabel)
    , postLabel(new QLabel)
    , lineEdit(new QLineEdit)
{
    const QString labelSheet = getStyleSheet("component.lineedit_label", false);
    preLabel->setStyleSheet(labelSheet);
    postLabel->setStyleSheet(labelSheet);
    lineEdit->setStyleSheet(getStyleSheet("component.lineedit", false));
    rowLayout->setAlignment(Qt::AlignLeft);
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(preLabel);
    rowLayout->addWidget(lineEdit);
    rowLayout->addWidget(postLabel);
}

QString OrvaLineEdit::getEditText() const
{
    return lineEdit->text();
}

QLineEdit *OrvaLineEdit::getLineEdit() const
{
    return lineEdit;
}

QLabel *OrvaLineEdit::getPreLabel() const
{
    return preLabel;
}

QLabel *OrvaLineEdit::getPostLabel() const
{
    return postLabel;
}

void OrvaLineEdit::setValidator(Validator check)
{
    validator = check;
}

bool OrvaLineEdit::validate() const
{
    return !validator || validator(lineEdit->text());
}

void OrvaLineEdit::setError(bool error)
{
    lineEdit->setProperty("error", error);
    // Rules on a dynamic property are only read again when the edit is polished anew.
    lineEdit->style()->unpolish(lineEdit);
    lineEdit->style()->polish(lineEdit);
    lineEdit->update();
}

void OrvaLineEdit::setMargins(int left, int top, int right, int bottom)
{
    setScaledMargins(rowLayout, left, top, right, bottom);
}

void OrvaLineEdit::setSpacing(int spacing)
{
    setScaledSpacing(rowLayout, spacing);
}
