#include "sheets/input-sheet.h"

#include "services/component-strings.h"
#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "sheets/message-label.h"
#include "sheets/sheet-session.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int scaled(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

int designWidth(double w)
{
    return w < 520 ? int(w - 40) : 480;
}

} // namespace

class OrvaInputSheetPrivate : public QObject
{
public:
    explicit OrvaInputSheetPrivate(OrvaInputSheet *sheet)
        : QObject(sheet)
        , q(sheet)
        , textLabel(new MessageLabel(sheet))
        , lineEdit(new QLineEdit(sheet))
        , buttonBox(new QDialogButtonBox(sheet))
        , session(sheet)
    {
    }

    void buildContents();
    void relayout();

    OrvaInputSheet *q;
    MessageLabel *textLabel;
    QLineEdit *lineEdit;
    QDialogButtonBox *buttonBox;
    SheetSession session;
};

void OrvaInputSheetPrivate::buildContents()
{
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Discard);
    const ComponentStrings &strings = ComponentStrings::getInstance();
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    ok->setText(strings.getString("ok"));
    // Some platform themes put icons on standard buttons; our look has none.
    ok->setIcon(QIcon());
    ok->setDefault(true);
    ok->setStyleSheet(getStyleSheet("component.apply_button", false));
    QPushButton *discard = buttonBox->button(QDialogButtonBox::Discard);
    discard->setText(strings.getString("cancel"));
    discard->setIcon(QIcon());
    discard->setStyleSheet(getStyleSheet("component.cancel_button", false));
    // Return on a focused Discard presses Discard, not (via the window) Ok.
    discard->setAutoDefault(true);

    q->setStyleSheet(getStyleSheet("component.message_sheet_other", false));
    QObject::connect(buttonBox, &QDialogButtonBox::clicked, q, &OrvaInputSheet::buttonClick);
    relayout();
}

void OrvaInputSheetPrivate::relayout()
{
    delete q->layout();

    lineEdit->setFixedHeight(scaled(28));
    lineEdit->setStyleSheet(getStyleSheet("component.lineedit", false));

    auto *column = new QVBoxLayout(q);
    column->setContentsMargins(scaled(10), scaled(10), scaled(10), scaled(10));
    column->setSpacing(0);
    column->addWidget(textLabel);
    column->addSpacing(scaled(8));
    column->addWidget(lineEdit);
    if (!buttonBox->buttons().isEmpty()) {
        column->addSpacing(scaled(24));
        column->addWidget(buttonBox);
    }

    q->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Maximum);
    q->fitWidthToParent(designWidth);
}

OrvaInputSheet::OrvaInputSheet(const QString &text, QWidget *parent)
    : OrvaInputSheet(parent)
{
    setText(text);
}

OrvaInputSheet::OrvaInputSheet(QWidget *parent)
    : OrvaSheet(parent)
    , d(new OrvaInputSheetPrivate(this))
{
    d->buildContents();
}

void OrvaInputSheet::setText(const QString &text)
{
    // Only our own line height is a design length: scaling after inserting
    // the prompt would rewrite lengths written in the prompt itself.
    d->textLabel->setText(DPIinfo::getInstance()
                              .getScaledStyleSheet(QStringLiteral("<p style='line-height: 20px;'>%1</p>"))
                              .arg(text));
    d->textLabel->setWordWrap(true);
    d->textLabel->setAlignment(Qt::AlignTop);
    d->textLabel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Maximum);
    // The box is read out by the prompt above it.
    d->lineEdit->setAccessibleName(MessageLabel::readableText(text));
    d->relayout();
}

QString OrvaInputSheet::getContent() const
{
    return d->lineEdit->text();
}

QLineEdit *OrvaInputSheet::getLineEdit() const
{
    return d->lineEdit;
}

QAbstractButton *OrvaInputSheet::button(QMessageBox::StandardButton which) const
{
    return d->buttonBox->button(QDialogButtonBox::StandardButton(int(which)));
}

void OrvaInputSheet::setDefaultButton(QPushButton *button)
{
    if (button)
        button->setDefault(true);
}

void OrvaInputSheet::setBlockWindowButton(bool block)
{
    blockWindowButton = block;
}

int OrvaInputSheet::exec()
{
    if (d->session.isWaiting()) {
        qCWarning(debugMessage) << "OrvaInputSheet::exec called while the sheet runs; ignored";
        return -1;
    }
    d->session.begin(blockWindowButton);
    setFocus(Qt::TabFocusReason);
    d->lineEdit->setFocus(Qt::OtherFocusReason);
    return d->session.wait();
}

void OrvaInputSheet::showSheet()
{
    d->session.begin(false);
    d->lineEdit->setFocus(Qt::OtherFocusReason);
}

void OrvaInputSheet::done(int ret)
{
    d->session.end(ret, blockWindowButton);
    emit finished(ret);
}

void OrvaInputSheet::quit()
{
    done(0);
}

void OrvaInputSheet::buttonClick(QAbstractButton *which)
{
    done(d->buttonBox->standardButton(which));
}

bool OrvaInputSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (blockWindowButton && refuseClose(event))
        return true;
    if (watched != window() || event->type() != QEvent::KeyPress)
        return OrvaSheet::eventFilter(watched, event);
    const auto *keyEvent = dynamic_cast<QKeyEvent *>(event);
    if (!keyEvent)
        return false;
    clickButtonForKey(d->buttonBox, keyEvent->key());
    return true;
}
