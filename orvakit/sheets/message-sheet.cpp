#include "sheets/message-sheet.h"

#include "services/accessible-list.h"
#include "services/component-strings.h"
#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "sheets/dialog-button-box-style.h"
#include "sheets/message-label.h"
#include "sheets/sheet-session.h"
#include "widgets/clickable-label.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int scaled(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

const char *iconName(OrvaMessageSheet::MessageType type)
{
    switch (type) {
    case OrvaMessageSheet::Application:
        return "app_img";
    case OrvaMessageSheet::Information:
    case OrvaMessageSheet::Upgrading:
        return "icon_information";
    case OrvaMessageSheet::Warning:
    case OrvaMessageSheet::WarningConfirm:
        return "icon_warning";
    case OrvaMessageSheet::Confirm:
    case OrvaMessageSheet::ConfirmReset:
        return "icon_question";
    default:
        return nullptr;
    }
}

QDialogButtonBox::StandardButtons buttonsFor(OrvaMessageSheet::MessageType type)
{
    switch (type) {
    case OrvaMessageSheet::Information:
    case OrvaMessageSheet::Warning:
        return QDialogButtonBox::Ok;
    case OrvaMessageSheet::Confirm:
    case OrvaMessageSheet::Upgrading:
    case OrvaMessageSheet::WarningConfirm:
        return QDialogButtonBox::Apply | QDialogButtonBox::Discard;
    case OrvaMessageSheet::ConfirmReset:
        return QDialogButtonBox::Apply | QDialogButtonBox::Discard | QDialogButtonBox::Reset;
    default:
        return QDialogButtonBox::NoButton;
    }
}

const char *sheetStyleKey(OrvaMessageSheet::MessageType type)
{
    return type == OrvaMessageSheet::Application || type == OrvaMessageSheet::Processing
        ? "component.message_sheet_processing"
        : "component.message_sheet_other";
}

QString caption(const QString &custom, const QString &key)
{
    return custom.isEmpty() ? ComponentStrings::getInstance().getString(key) : custom;
}

// Design width for a host `w` design pixels wide. At exactly 540 the sheet
// is 480 wide, as the product has always shown it there.
int designWidth(double w)
{
    if (w < 540)
        return int(w - 40);
    if (w == 540)
        return 480;
    return qMin(540, int(w - 40));
}

} // namespace

class OrvaMessageSheetPrivate : public QObject
{
public:
    explicit OrvaMessageSheetPrivate(OrvaMessageSheet *sheet)
        : QObject(sheet)
        , q(sheet)
        , iconLabel(new QLabel(sheet))
        , buttonBox(new QDialogButtonBox(sheet))
        , checkRow(new QWidget(sheet))
        , session(sheet)
    {
        // One style object and one connection, however often the buttons
        // are rebuilt.
        auto *buttonStyle = new DialogButtonBoxStyle;
        buttonStyle->setParent(buttonBox);
        buttonBox->setStyle(buttonStyle);
        connect(buttonBox, &QDialogButtonBox::clicked, q, &OrvaMessageSheet::buttonClick);
    }

    void buildContents(const MsgBoxCustomBtnText &captions);
    void configureButton(QDialogButtonBox::StandardButton which, const QString &text, const char *styleKey,
                         bool isDefault);
    void buildDoubleConfirmRow();
    void relayout();
    void nameCheckBox();
    MessageLabel *createLabel(const QString &styleSheet, Qt::TextInteractionFlags flags, Qt::Alignment alignment);
    QWidget *nextInChain(QWidget *from, bool forward, bool (*accept)(QWidget *sheet, QWidget *widget));
    // Tab reaching the window: into the sheet, at its first or last widget.
    void restrictedFocus(QWidget *from, bool forward);
    // Tab inside the sheet: on to its next widget, round within the sheet.
    void cycleFocus(QWidget *from, bool forward);

    OrvaMessageSheet *q;
    MessageLabel *textLabel = nullptr;
    MessageLabel *informativeLabel = nullptr;
    QLabel *iconLabel;
    OrvaMessageSheet::MessageType type = OrvaMessageSheet::Application;
    QDialogButtonBox *buttonBox;
    bool showIcon = true;
    QCheckBox *checkBox = nullptr;
    ClickableLabel *checkLabel = nullptr;
    QWidget *checkRow;
    bool doubleConfirm = false;
    QList<QWidget *> focusList;
    // Guarded: a setter may replace these widgets while the sheet runs.
    QPointer<QWidget> firstFocus;
    QPointer<QWidget> lastFocus;
    SheetSession session;
};

void OrvaMessageSheetPrivate::buildContents(const MsgBoxCustomBtnText &captions)
{
    if (const char *name = iconName(type))
        iconLabel->setPixmap(getGlobalImage(name, ImageManager::Normal));
    if (!showIcon)
        iconLabel->clear();

    buttonBox->setStandardButtons(buttonsFor(type));
    const QString acceptKey = type == OrvaMessageSheet::Upgrading ? "wizard_client_upgrade" : "ok";
    configureButton(QDialogButtonBox::Ok, caption(captions.acceptText, acceptKey), "component.apply_button", true);
    configureButton(QDialogButtonBox::Apply, caption(captions.acceptText, acceptKey), "component.apply_button", true);
    configureButton(QDialogButtonBox::Discard, caption(captions.cancelText, "cancel"), "component.cancel_button",
                    false);
    configureButton(QDialogButtonBox::Reset, caption(captions.resetText, "reset"), "component.reset_button", false);

    q->setStyleSheet(getStyleSheet(sheetStyleKey(type), false));

    buildDoubleConfirmRow();
    relayout();

    if (textLabel) {
        textLabel->installEventFilter(q);
        textLabel->setStyleSheet(getStyleSheet("component.message_sheet_text", false));
    }
    if (informativeLabel) {
        informativeLabel->installEventFilter(q);
        informativeLabel->setStyleSheet(getStyleSheet("component.message_sheet_informative_text", false));
    }
    for (auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Apply, QDialogButtonBox::Discard,
                       QDialogButtonBox::Reset}) {
        if (QPushButton *button = buttonBox->button(which))
            button->installEventFilter(q);
    }
}

void OrvaMessageSheetPrivate::configureButton(QDialogButtonBox::StandardButton which, const QString &text,
                                              const char *styleKey, bool isDefault)
{
    QPushButton *button = buttonBox->button(which);
    if (!button)
        return;
    button->setText(text);
    // Some platform themes put icons on standard buttons; our look has none.
    button->setIcon(QIcon());
    button->setStyleSheet(getStyleSheet(styleKey, false));
    button->setDefault(isDefault);
    // Return on a focused Discard or Reset presses that button: without this
    // the key would travel on to the window and press Apply instead.
    button->setAutoDefault(!isDefault);
    button->setFixedHeight(scaled(32));
    button->setMinimumWidth(scaled(100));
}

void OrvaMessageSheetPrivate::buildDoubleConfirmRow()
{
    // A rebuild keeps what the box asks the user to confirm; the box itself
    // starts afresh, unchecked.
    const QString labelText = checkLabel ? checkLabel->text() : QString();
    for (QWidget *old : {static_cast<QWidget *>(checkBox), static_cast<QWidget *>(checkLabel)}) {
        if (!old)
            continue;
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    checkBox = nullptr;
    checkLabel = nullptr;
    delete checkRow->layout();

    if (!doubleConfirm) {
        checkRow->hide();
        return;
    }

    if (QPushButton *apply = buttonBox->button(QDialogButtonBox::Apply))
        apply->setEnabled(false);

    checkBox = new QCheckBox(checkRow);
    checkBox->setChecked(false);
    checkBox->setStyleSheet(getStyleSheet("component.checkbox_warning", false));
    checkBox->setFixedHeight(scaled(32));
    QObject::connect(checkBox, &QCheckBox::stateChanged, q, &OrvaMessageSheet::slotChangeApplyButtonStatus);

    checkLabel = new ClickableLabel(labelText, checkRow);
    nameCheckBox();
    checkLabel->setStyleSheet(getStyleSheet("component.label_checkbox_warning", false));
    checkLabel->setWordWrap(true);
    checkLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    QObject::connect(checkLabel, &ClickableLabel::clicked, checkBox, &QCheckBox::click);

    auto *row = new QHBoxLayout(checkRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(scaled(8));
    row->addWidget(checkBox);
    row->addWidget(checkLabel);
    checkRow->setVisible(true);
}

void OrvaMessageSheetPrivate::nameCheckBox()
{
    // The box has no caption of its own: a screen reader reads it by the
    // text beside it.
    checkBox->setAccessibleName(MessageLabel::readableText(checkLabel->text()));
}

void OrvaMessageSheetPrivate::relayout()
{
    delete q->layout();

    const QMovie *movie = iconLabel->movie();
    const bool hasIcon = !iconLabel->pixmap(Qt::ReturnByValue).isNull() || (movie && movie->isValid());
    iconLabel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    iconLabel->setVisible(hasIcon);

    auto *outer = new QVBoxLayout(q);
    outer->setContentsMargins(scaled(20), scaled(20), scaled(20), scaled(10));
    outer->setSpacing(0);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    if (hasIcon) {
        row->addWidget(iconLabel, 0, Qt::AlignTop);
        row->addSpacing(scaled(20));
    }
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(0);
    if (textLabel)
        texts->addWidget(textLabel);
    if (informativeLabel) {
        texts->addSpacing(scaled(10));
        texts->addWidget(informativeLabel);
    }
    row->addLayout(texts);
    outer->addLayout(row);

    if (doubleConfirm) {
        outer->addSpacing(scaled(10));
        outer->addWidget(checkRow);
    }
    // An empty box stays out of the layout; hidden, it cannot sit in a corner.
    const bool hasButtons = !buttonBox->buttons().isEmpty();
    buttonBox->setVisible(hasButtons);
    if (hasButtons) {
        outer->addSpacing(scaled(20));
        outer->addWidget(buttonBox);
    }

    q->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Maximum);
    q->fitWidthToParent(designWidth);
}

MessageLabel *OrvaMessageSheetPrivate::createLabel(const QString &styleSheet, Qt::TextInteractionFlags flags,
                                                   Qt::Alignment alignment)
{
    auto *label = new MessageLabel(q);
    label->setStyleSheet(styleSheet);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setTextInteractionFlags(flags);
    label->setOpenExternalLinks(true);
    label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Maximum);
    return label;
}

QWidget *OrvaMessageSheetPrivate::nextInChain(QWidget *from, bool forward, bool (*accept)(QWidget *, QWidget *))
{
    // The chain is a ring: the walk ends where it began when nothing fits.
    QWidget *next = from;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != from && (next->focusPolicy() == Qt::NoFocus || !next->isEnabled() || !accept(q, next)));
    return next;
}

void OrvaMessageSheetPrivate::restrictedFocus(QWidget *from, bool forward)
{
    QWidget *next = nextInChain(from, forward, [](QWidget *, QWidget *) { return true; });
    QWidget *target = next != from && focusList.contains(next) ? next : (forward ? firstFocus : lastFocus).data();
    if (target)
        target->setFocus(Qt::TabFocusReason);
}

void OrvaMessageSheetPrivate::cycleFocus(QWidget *from, bool forward)
{
    QWidget *next = nextInChain(from, forward, [](QWidget *sheet, QWidget *widget) {
        return sheet->isAncestorOf(widget) && widget->isVisible();
    });
    if (next != from)
        next->setFocus(Qt::TabFocusReason);
}

OrvaMessageSheet::OrvaMessageSheet(const QString &text, const QString &movieFile, QWidget *parent)
    : OrvaSheet(parent)
{
    init(Processing, true, MsgBoxCustomBtnText());
    auto *movie = new QMovie(movieFile, QByteArray(), d);
    if (!movie->isValid())
        qCWarning(debugMessage) << "Cannot load animation" << movieFile;
    const double dpi = DPIinfo::getInstance().getDPI();
    movie->setScaledSize(QSize(qRound(32 * dpi), qRound(32 * dpi)));
    d->iconLabel->setMovie(movie);
    setText(text);
}

OrvaMessageSheet::OrvaMessageSheet(MessageType type, const QString &text, const QString &informativeText,
                                   QWidget *parent, bool showIcon)
    : OrvaSheet(parent)
{
    init(type, showIcon, MsgBoxCustomBtnText());
    setText(text);
    setInformativeText(informativeText, QString());
}

OrvaMessageSheet::OrvaMessageSheet(MessageType type, const QString &text, const MsgBoxCustomBtnText &captions,
                                   QWidget *parent, bool showIcon)
    : OrvaSheet(parent)
{
    init(type, showIcon, captions);
    setText(text);
}

OrvaMessageSheet::OrvaMessageSheet(MessageType type, const QString &text, QWidget *parent, bool showIcon)
    : OrvaSheet(parent)
{
    init(type, showIcon, MsgBoxCustomBtnText());
    setText(text);
}

OrvaMessageSheet::OrvaMessageSheet(MessageType type, QWidget *parent, bool showIcon)
    : OrvaSheet(parent)
{
    init(type, showIcon, MsgBoxCustomBtnText());
}

void OrvaMessageSheet::init(MessageType type, bool showIcon, const MsgBoxCustomBtnText &captions)
{
    d = new OrvaMessageSheetPrivate(this);
    d->type = type;
    d->showIcon = showIcon;
    d->buildContents(captions);
    blockWindowButton = true;
}

void OrvaMessageSheet::setText(const QString &text)
{
    if (text.isEmpty()) {
        if (d->textLabel) {
            d->textLabel->hide();
            d->textLabel->deleteLater();
            d->textLabel = nullptr;
        }
    } else {
        if (!d->textLabel) {
            d->textLabel = d->createLabel(getStyleSheet("component.message_sheet_text", false),
                                          Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                              | Qt::LinksAccessibleByKeyboard,
                                          Qt::AlignTop);
        }
        d->textLabel->setText(text);
    }
    d->relayout();
}

void OrvaMessageSheet::setInformativeText(const QString &text, const QString &styleSheet)
{
    if (text.isEmpty()) {
        if (d->informativeLabel) {
            d->informativeLabel->hide();
            d->informativeLabel->deleteLater();
            d->informativeLabel = nullptr;
        }
    } else {
        if (!d->informativeLabel) {
            const auto flags = Qt::TextInteractionFlags(
                style()->styleHint(QStyle::SH_MessageBox_TextInteractionFlags, nullptr, this));
            d->informativeLabel = d->createLabel(
                styleSheet.isEmpty() ? getStyleSheet("component.message_sheet_informative_text", false) : styleSheet,
                flags, Qt::AlignLeft | Qt::AlignTop);
        }
        d->informativeLabel->setText(text);
    }
    d->relayout();
}

void OrvaMessageSheet::setIcon(const QPixmap &pixmap)
{
    d->iconLabel->setPixmap(pixmap);
    d->relayout();
}

void OrvaMessageSheet::setIconVisible(bool visible)
{
    d->showIcon = visible;
    d->buildContents(MsgBoxCustomBtnText());
}

void OrvaMessageSheet::setMessageType(MessageType type)
{
    d->type = type;
    d->buildContents(MsgBoxCustomBtnText());
}

void OrvaMessageSheet::setDoubleConfirmCheckBox(bool on, const QString &text)
{
    d->doubleConfirm = on;
    d->buildContents(MsgBoxCustomBtnText());
    if (d->checkLabel) {
        d->checkLabel->setText(text);
        d->nameCheckBox();
    }
}

QAbstractButton *OrvaMessageSheet::button(QMessageBox::StandardButton which) const
{
    return d->buttonBox->button(QDialogButtonBox::StandardButton(int(which)));
}

int OrvaMessageSheet::exec()
{
    if (d->session.isWaiting()) {
        qCWarning(debugMessage) << "OrvaMessageSheet::exec called while the sheet runs; ignored";
        return -1;
    }
    d->session.begin(blockWindowButton);
    if (d->textLabel)
        d->textLabel->setFocus(Qt::TabFocusReason);
    if (d->type == Processing) {
        QMovie *movie = d->iconLabel->movie();
        if (movie && movie->isValid())
            movie->start();
    }
    return d->session.wait();
}

void OrvaMessageSheet::showSheet()
{
    d->session.begin(false);
}

void OrvaMessageSheet::done(int ret)
{
    // A hidden animation would otherwise go on waking the process for good.
    if (QMovie *movie = d->iconLabel->movie())
        movie->stop();
    d->session.end(ret, blockWindowButton);
    emit finished(ret);
}

void OrvaMessageSheet::quit()
{
    done(0);
}

void OrvaMessageSheet::buttonClick(QAbstractButton *which)
{
    done(d->buttonBox->standardButton(which));
}

void OrvaMessageSheet::slotChangeApplyButtonStatus(int state)
{
    if (QPushButton *apply = d->buttonBox->button(QDialogButtonBox::Apply))
        apply->setEnabled(state == Qt::Checked);
}

bool OrvaMessageSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (blockWindowButton && refuseClose(event))
        return true;
    if (watched != window() || event->type() != QEvent::KeyPress)
        return OrvaSheet::eventFilter(watched, event);
    const auto *keyEvent = dynamic_cast<QKeyEvent *>(event);
    if (!keyEvent || !isVisible())
        return false;

    const int key = keyEvent->key();
    if (clickButtonForKey(d->buttonBox, key))
        return true;
    if (key == Qt::Key_Backtab || key == Qt::Key_Tab)
        d->restrictedFocus(window(), key == Qt::Key_Tab && !(keyEvent->modifiers() & Qt::ShiftModifier));
    return true;
}

void OrvaMessageSheet::showEvent(QShowEvent *event)
{
    d->buttonBox->setFocusPolicy(Qt::NoFocus);
    for (auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Discard}) {
        if (QPushButton *button = d->buttonBox->button(which))
            button->setFocusPolicy(Qt::StrongFocus);
    }
    d->focusList = accessibleList(this, AccessibleFilter({this}, Qt::NoFocus));
    d->firstFocus = nullptr;
    d->lastFocus = nullptr;
    for (QWidget *widget : qAsConst(d->focusList)) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!d->firstFocus)
            d->firstFocus = widget;
        d->lastFocus = widget;
    }
    OrvaSheet::showEvent(event);
}

bool OrvaMessageSheet::focusNextPrevChild(bool next)
{
    // Tab inside the sheet would otherwise walk on along the window's chain
    // into the widgets behind the mask, and typing would land there.
    QWidget *from = QApplication::focusWidget();
    if (from && isAncestorOf(from))
        d->cycleFocus(from, next);
    else
        d->restrictedFocus(window(), next);
    return true;
}
