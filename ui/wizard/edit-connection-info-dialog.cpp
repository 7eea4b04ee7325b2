#include "edit-connection-info-dialog.h"

#include "global-connecter.h"
#include "ui-strings.h"
#include "ldap-fields.h"
#include "page-parts.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/dpi-info.h"
#include "services/style-manager.h"

using namespace PageParts;

namespace {

const char *const kButtonShape =
    "QPushButton { border-radius: 16px; font-family: 'Roboto'; font-size: 13px; font-weight: 600; }";

QHBoxLayout *cardRow(QWidget *widget)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(dpi.scaled(24), 0, dpi.scaled(24), 0);
    row->addWidget(widget);
    return row;
}

QHBoxLayout *fieldRow(QLabel *label, QLineEdit *edit)
{
    QHBoxLayout *row = cardRow(label);
    row->addSpacing(DPIinfo::getInstance().scaled(34));
    row->addWidget(edit);
    return row;
}

QPushButton *cardButton(int stringIndex, const char *styleKey)
{
    return captionButton(stringIndex, getStyleSheet(styleKey, false) + kButtonShape, 100, 32);
}

} // namespace

EditConnectionInfoDialog::EditConnectionInfoDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    // Frameless: no title bar gives the window its name.
    setAccessibleName(uiString(UiText::EditConnectionInfo));

    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("EditConnectionInfoCard"));
    card->setStyleSheet(QStringLiteral(
        "QFrame#EditConnectionInfoCard { background-color: white; border-radius: 8px; border: 1px solid #DCDFE3; }"));
    card->setFixedWidth(dpi.scaled(600));
    addCardShadow(card, 16);

    titleLabel = new QLabel(uiString(UiText::EditConnectionInfo));
    titleLabel->setStyleSheet(QStringLiteral("font-family: 'Roboto'; font-size: 17px; font-weight: 600;"));
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    descriptionLabel = new QLabel(uiString(UiText::EditConnectionInfoDesc));
    applyStyle(descriptionLabel, "ldap_info_label");
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The boxes take the rest of their rows.
    const LdapFields::Edits edits = LdapFields::createEdits();
    hostEdit = edits[LdapField::Host];
    baseDnEdit = edits[LdapField::BaseDn];
    bindDnEdit = edits[LdapField::BindDn];
    passwordEdit = edits[LdapField::Password];
    portEdit = edits[LdapField::Port];

    const LdapFields::Labels labels = LdapFields::createLabels();
    hostLabel = labels[LdapField::Host];
    baseDnLabel = labels[LdapField::BaseDn];
    bindDnLabel = labels[LdapField::BindDn];
    passwordLabel = labels[LdapField::Password];
    portLabel = labels[LdapField::Port];
    alignCaptions({hostLabel, baseDnLabel, bindDnLabel, passwordLabel, portLabel}, 160);
    pairCaptions({{hostLabel, hostEdit}, {baseDnLabel, baseDnEdit}, {bindDnLabel, bindDnEdit},
                  {passwordLabel, passwordEdit}, {portLabel, portEdit}});

    warningLabel = new QLabel(uiString(UiText::FieldIsRequired));
    warningLabel->setObjectName(QStringLiteral("warning"));
    warningLabel->setAlignment(Qt::AlignCenter);
    applyStyle(warningLabel, "warning_label");
    warningLabel->setFixedHeight(dpi.scaled(24));
    // The row keeps its height while hidden, so the buttons never move.
    QSizePolicy keepSpace = warningLabel->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    warningLabel->setSizePolicy(keepSpace);
    warningLabel->hide();
    auto *warningRow = new QHBoxLayout;
    warningRow->setSpacing(0);
    warningRow->setContentsMargins(0, 0, 0, 0);
    warningRow->addStretch();
    warningRow->addWidget(warningLabel);
    warningRow->addStretch();

    cancelButton = cardButton(UiText::BtnCancel, "aerum_button_grey");
    okButton = cardButton(UiText::BtnOk, "aerum_button");
    setObjectNames({{cancelButton, "cancel"}, {okButton, "ok"}});
    auto *buttonBar = new QWidget;
    buttonBar->setFixedHeight(dpi.scaled(60));
    auto *buttons = new QHBoxLayout(buttonBar);
    buttons->setSpacing(0);
    buttons->setContentsMargins(0, 0, dpi.scaled(20), dpi.scaled(14));
    buttons->addStretch();
    buttons->addWidget(cancelButton, 0, Qt::AlignBottom);
    buttons->addSpacing(dpi.scaled(12));
    buttons->addWidget(okButton, 0, Qt::AlignBottom);

    auto *cardLayout = new QVBoxLayout(card);
    cardLayout->setSpacing(0);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->addSpacing(dpi.scaled(20));
    cardLayout->addLayout(cardRow(titleLabel));
    cardLayout->addSpacing(dpi.scaled(20));
    cardLayout->addLayout(cardRow(descriptionLabel));
    cardLayout->addSpacing(dpi.scaled(16));
    cardLayout->addLayout(fieldRow(hostLabel, hostEdit));
    cardLayout->addSpacing(dpi.scaled(6));
    cardLayout->addLayout(fieldRow(baseDnLabel, baseDnEdit));
    cardLayout->addSpacing(dpi.scaled(6));
    cardLayout->addLayout(fieldRow(bindDnLabel, bindDnEdit));
    cardLayout->addSpacing(dpi.scaled(6));
    cardLayout->addLayout(fieldRow(passwordLabel, passwordEdit));
    cardLayout->addSpacing(dpi.scaled(6));
    cardLayout->addLayout(fieldRow(portLabel, portEdit));
    cardLayout->addSpacing(dpi.scaled(4));
    cardLayout->addLayout(warningRow);
    cardLayout->addStretch();
    cardLayout->addWidget(buttonBar);

    auto *outer = new QVBoxLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(dpi.scaled(24), dpi.scaled(24), dpi.scaled(24), dpi.scaled(24));
    outer->addWidget(card);

    // A description that wraps to more lines in some language makes the
    // card, and the dialog round it, taller rather than pushing the buttons
    // off the card.
    ensurePolished();
    const int cardHeight = qMax(dpi.scaled(370), cardLayout->totalHeightForWidth(card->width()));
    card->setFixedHeight(cardHeight);
    setFixedSize(dpi.scaled(648), cardHeight + 2 * dpi.scaled(24));

    // Return in a box applies the settings; left to itself the dialog would
    // make Cancel, its first button, the default and throw the edits away.
    // Set once the button belongs to the dialog, which keeps the default.
    okButton->setDefault(true);

    for (QLineEdit *edit : fieldEdits())
        edit->installEventFilter(this);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, [this] {
        emit sigApplyEditLdapInfo(hostEdit->text(), baseDnEdit->text(), bindDnEdit->text(), passwordEdit->text(),
                                  portEdit->text(), isLdaps);
    });
    connect(this,
            SIGNAL(sigApplyEditLdapInfo(const QString &, const QString &, const QString &, const QString &,
                                        const QString &, const bool)),
            GlobalConnecter::getInstance(),
            SIGNAL(sigApplyEditLdapInfo(const QString &, const QString &, const QString &, const QString &,
                                        const QString &, const bool)));
}

LdapFields::Edits EditConnectionInfoDialog::fieldEdits() const
{
    return {hostEdit, baseDnEdit, bindDnEdit, passwordEdit, portEdit};
}

void EditConnectionInfoDialog::setLdapInfo(const QString &host, const QString &basedn, const QString &binddn,
                                           const QString &port, bool ldaps)
{
    hostEdit->setText(host);
    baseDnEdit->setText(basedn);
    bindDnEdit->setText(binddn);
    portEdit->setText(port);
    passwordEdit->clear();
    isLdaps = ldaps;
    clearWarnings();
}

void EditConnectionInfoDialog::setBusy(bool busy)
{
    okButton->setEnabled(!busy);
    cancelButton->setEnabled(!busy);
}

void EditConnectionInfoDialog::showFieldWarning(int field)
{
    clearWarnings();
    if (!LdapFields::isField(field))
        return;
    QLineEdit *edit = fieldEdits()[field];
    applyStyle(edit, "edit_warn");
    describeFieldWarning(edit, warningLabel->text());
    warningLabel->show();
    edit->setFocus(Qt::OtherFocusReason);
}

void EditConnectionInfoDialog::focusFirstField()
{
    hostEdit->setFocus(Qt::OtherFocusReason);
}

void EditConnectionInfoDialog::clearWarnings()
{
    LdapFields::clearMarks(fieldEdits());
    warningLabel->hide();
}

bool EditConnectionInfoDialog::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && LdapFields::contains(fieldEdits(), object))
        clearWarnings();
    return false;
}
