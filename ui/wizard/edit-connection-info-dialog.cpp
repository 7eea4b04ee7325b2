#include "wizard/edit-connection-info-dialog.h"

#include "global-connecter.h"
#include "ui-strings.h"
#include "wizard/page-parts.h"

#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "services/style-manager.h"

using namespace PageParts;

namespace {

const char *const kButtonShape =
    "QPushButton { border-radius: 16px; font-family: 'Roboto'; font-size: 13px; font-weight: 600; }";

QHBoxLayout *cardRow(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(px(24), 0, px(24), 0);
    row->addWidget(widget);
    return row;
}

QLabel *fieldLabel(int stringIndex, const char *styleKey)
{
    auto *label = new QLabel(requiredFieldCaption(stringIndex));
    applyStyle(label, styleKey);
    label->setFixedSize(px(160), px(32));
    return label;
}

QHBoxLayout *fieldRow(QLabel *label, QLineEdit *edit)
{
    QHBoxLayout *row = cardRow(label);
    row->addSpacing(px(34));
    row->addWidget(edit);
    return row;
}

QLineEdit *fieldEdit(const QString &placeholder)
{
    auto *edit = new QLineEdit;
    applyStyle(edit, "ldap_info_edit");
    edit->setFixedHeight(px(32));
    edit->setContentsMargins(0, 0, 0, 0);
    edit->setPlaceholderText(placeholder);
    return edit;
}

QPushButton *cardButton(int stringIndex, const char *styleKey)
{
    auto *button = new QPushButton(uiString(stringIndex));
    button->setFixedSize(px(100), px(32));
    button->setStyleSheet(getStyleSheet(styleKey, false) + kButtonShape);
    return button;
}

} // namespace

EditConnectionInfoDialog::EditConnectionInfoDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(px(648), px(418));
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);

    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("EditConnectionInfoCard"));
    card->setStyleSheet(QStringLiteral(
        "QFrame#EditConnectionInfoCard { background-color: white; border-radius: 8px; border: 1px solid #DCDFE3; }"));
    card->setFixedSize(px(600), px(370));
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setYOffset(4);
    shadow->setBlurRadius(16);
    shadow->setColor(QColor(0, 0, 0, 61));
    card->setGraphicsEffect(shadow);

    titleLabel = new QLabel(uiString(UiText::EditConnectionInfo));
    titleLabel->setStyleSheet(QStringLiteral("font-family: 'Roboto'; font-size: 17px; font-weight: 600;"));
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    descriptionLabel = new QLabel(uiString(UiText::EditConnectionInfoDesc));
    applyStyle(descriptionLabel, "ldap_info_label");
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    hostEdit = fieldEdit(kHostPlaceholder);
    baseDnEdit = fieldEdit(kBaseDnPlaceholder);
    bindDnEdit = fieldEdit(kBindDnPlaceholder);
    passwordEdit = fieldEdit(QString());
    passwordEdit->setEchoMode(QLineEdit::Password);
    portEdit = fieldEdit(QStringLiteral("389"));
    setObjectNames({{hostEdit, "host"}, {baseDnEdit, "basedn"}, {bindDnEdit, "binddn"}, {passwordEdit, "password"},
                    {portEdit, "port"}});

    hostLabel = fieldLabel(UiText::LdapLocalIp, "ldap_info_label");
    baseDnLabel = fieldLabel(UiText::Basedn, "ldap_info_label");
    bindDnLabel = fieldLabel(UiText::Binddn, "ldap_info_label");
    passwordLabel = fieldLabel(UiText::BinddnPassword, "connect_key_label");
    portLabel = fieldLabel(UiText::Port, "ldap_info_label");

    warningLabel = new QLabel(uiString(UiText::FieldIsRequired));
    warningLabel->setObjectName(QStringLiteral("warning"));
    warningLabel->setAlignment(Qt::AlignCenter);
    applyStyle(warningLabel, "warning_label");
    warningLabel->setFixedHeight(px(24));
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
    buttonBar->setFixedHeight(px(60));
    auto *buttons = new QHBoxLayout(buttonBar);
    buttons->setSpacing(0);
    buttons->setContentsMargins(0, 0, px(20), px(14));
    buttons->addStretch();
    buttons->addWidget(cancelButton, 0, Qt::AlignBottom);
    buttons->addSpacing(px(12));
    buttons->addWidget(okButton, 0, Qt::AlignBottom);

    auto *cardLayout = new QVBoxLayout(card);
    cardLayout->setSpacing(0);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->addSpacing(px(20));
    cardLayout->addLayout(cardRow(titleLabel));
    cardLayout->addSpacing(px(20));
    cardLayout->addLayout(cardRow(descriptionLabel));
    cardLayout->addSpacing(px(16));
    cardLayout->addLayout(fieldRow(hostLabel, hostEdit));
    cardLayout->addSpacing(px(6));
    cardLayout->addLayout(fieldRow(baseDnLabel, baseDnEdit));
    cardLayout->addSpacing(px(6));
    cardLayout->addLayout(fieldRow(bindDnLabel, bindDnEdit));
    cardLayout->addSpacing(px(6));
    cardLayout->addLayout(fieldRow(passwordLabel, passwordEdit));
    cardLayout->addSpacing(px(6));
    cardLayout->addLayout(fieldRow(portLabel, portEdit));
    cardLayout->addSpacing(px(4));
    cardLayout->addLayout(warningRow);
    cardLayout->addStretch();
    cardLayout->addWidget(buttonBar);

    auto *outer = new QVBoxLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(px(24), px(24), px(24), px(24));
    outer->addWidget(card);

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

std::array<QLineEdit *, 5> EditConnectionInfoDialog::fieldEdits() const
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
    if (field < Host || field > Port)
        return;
    applyStyle(fieldEdits()[field], "edit_warn");
    warningLabel->show();
}

void EditConnectionInfoDialog::clearWarnings()
{
    for (QLineEdit *edit : fieldEdits())
        applyStyle(edit, "ldap_info_edit");
    warningLabel->hide();
}

bool EditConnectionInfoDialog::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto edits = fieldEdits();
        if (std::find(edits.begin(), edits.end(), object) != edits.end())
            clearWarnings();
    }
    return false;
}
