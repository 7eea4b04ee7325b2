#include "wizard/ldap-info-page.h"

#include "global-connecter.h"
#include "ui-strings.h"
#include "wizard/page-parts.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

#include "services/style-manager.h"

using namespace PageParts;

namespace {

const QString kLdapItem = QStringLiteral("  LDAP");
const QString kLdapsItem = QStringLiteral("  LDAPS");

// Where the warning stands beside each field, in design pixels of the page.
constexpr int kWarningX = 390;
constexpr int kWarningY[] = {211, 249, 287, 325, 363};

QLabel *fieldLabel(int stringIndex, const char *styleKey)
{
    auto *label = new QLabel(requiredFieldCaption(stringIndex));
    applyStyle(label, styleKey);
    label->setFixedSize(px(160), px(32));
    return label;
}

QLineEdit *fieldEdit(const QString &placeholder)
{
    auto *edit = new QLineEdit;
    applyStyle(edit, "ldap_info_edit");
    edit->setFixedSize(px(314), px(32));
    edit->setContentsMargins(0, 0, 0, 0);
    edit->setPlaceholderText(placeholder);
    return edit;
}

} // namespace

LDAPInfoPage::LDAPInfoPage(QWidget *parent)
    : QWidget(parent)
{
    titleLabel = new QLabel(uiString(UiText::ConnectToAerumLdapServer));
    applyStyle(titleLabel, "welcome_title");
    titleLabel->setFixedSize(px(400), px(28));
    titleLabel->setAlignment(Qt::AlignCenter);

    // Keeps its row free for a description; it is given no text.
    descriptionLabel = new QLabel;
    applyStyle(descriptionLabel, "welcome_description");
    descriptionLabel->setFixedSize(px(600), px(32));
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setAlignment(Qt::AlignCenter);
    descriptionLabel->setOpenExternalLinks(true);
    descriptionLabel->setContentsMargins(0, 0, 0, 0);

    hostLabel = fieldLabel(UiText::LdapLocalIp, "ldap_info_label");
    baseDnLabel = fieldLabel(UiText::Basedn, "ldap_info_label");
    bindDnLabel = fieldLabel(UiText::Binddn, "ldap_info_label");
    passwordLabel = fieldLabel(UiText::BinddnPassword, "connect_key_label");
    protocolLabel = fieldLabel(UiText::Protocol, "ldap_info_label");
    portLabel = fieldLabel(UiText::Port, "ldap_info_label");

    hostEdit = fieldEdit(kHostPlaceholder);
    baseDnEdit = fieldEdit(kBaseDnPlaceholder);
    bindDnEdit = fieldEdit(kBindDnPlaceholder);
    passwordEdit = fieldEdit(QString());
    passwordEdit->setEchoMode(QLineEdit::Password);
    portEdit = fieldEdit(QStringLiteral("389"));
    setObjectNames({{hostEdit, "host"}, {baseDnEdit, "basedn"}, {bindDnEdit, "binddn"}, {passwordEdit, "password"},
                    {portEdit, "port"}});

    protocolCombo = new QComboBox(this);
    protocolCombo->addItems({kLdapItem, kLdapsItem});
    protocolCombo->setItemDelegate(new QStyledItemDelegate(protocolCombo));
    applyStyle(protocolCombo, "protocol_combobox");
    protocolCombo->setFixedSize(px(314), px(32));
    protocolCombo->setContentsMargins(0, 0, 0, 0);
    // Hover events drive the hover sheet below.
    protocolCombo->setAttribute(Qt::WA_Hover);

    protocolCombo->setObjectName(QStringLiteral("protocol"));

    nextButton = new QPushButton(uiString(UiText::Next));
    nextButton->setObjectName(QStringLiteral("next"));
    applyStyle(nextButton, "aerum_button");
    nextButton->setFixedSize(px(125), px(36));

    auto *page = new QVBoxLayout;
    page->setSpacing(0);
    page->setContentsMargins(0, 0, 0, 0);
    page->addStretch();
    page->addLayout(stretchedRow(titleLabel));
    page->addSpacing(px(4));
    page->addLayout(stretchedRow(descriptionLabel));
    page->addSpacing(px(16));
    page->addLayout(stretchedRow(hostLabel, 34, hostEdit));
    page->addSpacing(px(6));
    page->addLayout(stretchedRow(baseDnLabel, 34, baseDnEdit));
    page->addSpacing(px(6));
    page->addLayout(stretchedRow(bindDnLabel, 34, bindDnEdit));
    page->addSpacing(px(6));
    page->addLayout(stretchedRow(passwordLabel, 34, passwordEdit));
    page->addSpacing(px(6));
    page->addLayout(stretchedRow(protocolLabel, 34, protocolCombo));
    page->addSpacing(px(6));
    page->addLayout(stretchedRow(portLabel, 34, portEdit));
    page->addSpacing(px(16));
    page->addLayout(stretchedRow(nextButton));
    page->addStretch();

    for (QLineEdit *edit : fieldEdits())
        edit->installEventFilter(this);
    protocolCombo->installEventFilter(this);

    GlobalConnecter *hub = GlobalConnecter::getInstance();
    connect(nextButton, &QPushButton::clicked, hub, [this] {
        emit sigSendLDAPInfoToService(hostEdit->text(), baseDnEdit->text(), bindDnEdit->text(),
                                      passwordEdit->text(), portEdit->text(), isLdaps());
    });
    connect(this,
            SIGNAL(sigSendLDAPInfoToService(const QString &, const QString &, const QString &, const QString &,
                                            const QString &, const bool)),
            hub,
            SIGNAL(sigSendLDAPInfoToService(const QString &, const QString &, const QString &, const QString &,
                                            const QString &, const bool)));

    setLayout(page);

    warningLabel = new QLabel(uiString(UiText::FieldIsRequired), this);
    warningLabel->setObjectName(QStringLiteral("warning"));
    warningLabel->setAlignment(Qt::AlignCenter);
    applyStyle(warningLabel, "warning_label");
    warningLabel->adjustSize();
    warningLabel->setFixedHeight(px(32));
    warningLabel->hide();
}

std::array<QLineEdit *, 5> LDAPInfoPage::fieldEdits() const
{
    return {hostEdit, baseDnEdit, bindDnEdit, passwordEdit, portEdit};
}

bool LDAPInfoPage::isLdaps() const
{
    return protocolCombo->currentText() == kLdapsItem;
}

void LDAPInfoPage::clearFieldMarks()
{
    for (QLineEdit *edit : fieldEdits())
        applyStyle(edit, "ldap_info_edit");
}

void LDAPInfoPage::resetFields()
{
    for (QLineEdit *edit : fieldEdits())
        edit->clear();
    clearFieldMarks();
}

void LDAPInfoPage::showFieldWarning(int field)
{
    if (field < Host || field > Port)
        return;
    applyStyle(fieldEdits()[field], "edit_warn");
    // Scaled with the page, so the warning stays beside its field at every factor.
    warningLabel->move(px(kWarningX), px(kWarningY[field]));
    warningLabel->show();
}

bool LDAPInfoPage::eventFilter(QObject *object, QEvent *event)
{
    if (object == protocolCombo) {
        switch (event->type()) {
        case QEvent::HoverEnter:
            protocolCombo->setStyleSheet(getStyleSheet("protocol_combobox", false)
                                         + getStyleSheet("protocol_combobox_hover", false));
            break;
        case QEvent::HoverLeave:
        case QEvent::FocusIn:
            applyStyle(protocolCombo, "protocol_combobox");
            break;
        case QEvent::Paint:
            // The combo repaints on every change of selection, so the hint follows at once.
            portEdit->setPlaceholderText(protocolCombo->currentText() == kLdapItem ? QStringLiteral("389")
                                                                                   : QStringLiteral("636"));
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto edits = fieldEdits();
        if (std::find(edits.begin(), edits.end(), object) != edits.end()) {
            clearFieldMarks();
            warningLabel->hide();
        }
    }
    return false;
}
