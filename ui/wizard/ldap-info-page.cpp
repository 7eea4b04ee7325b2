#include "ldap-info-page.h"

#include "global-connecter.h"
#include "ui-strings.h"
#include "ldap-fields.h"
#include "page-parts.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "services/dpi-info.h"
#include "services/style-manager.h"

using namespace PageParts;

namespace {

const QString kLdapItem = QStringLiteral("  LDAP");
const QString kLdapsItem = QStringLiteral("  LDAPS");

// Where the warning stands beside each field, in design pixels of the page.
constexpr int kWarningX = 390;
constexpr int kWarningY[] = {211, 249, 287, 325, 363};

} // namespace

LDAPInfoPage::LDAPInfoPage(QWidget *parent)
    : QWidget(parent)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    titleLabel = new QLabel(uiString(UiText::ConnectToAerumLdapServer));
    applyStyle(titleLabel, "welcome_title");
    titleLabel->setFixedSize(dpi.scaled(400), dpi.scaled(28));
    titleLabel->setAlignment(Qt::AlignCenter);

    // Keeps its row free for a description; it is given no text.
    descriptionLabel = new QLabel;
    applyStyle(descriptionLabel, "welcome_description");
    descriptionLabel->setFixedSize(dpi.scaled(600), dpi.scaled(32));
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setAlignment(Qt::AlignCenter);
    descriptionLabel->setOpenExternalLinks(true);
    descriptionLabel->setContentsMargins(0, 0, 0, 0);

    const LdapFields::Labels labels = LdapFields::createLabels();
    hostLabel = labels[LdapField::Host];
    baseDnLabel = labels[LdapField::BaseDn];
    bindDnLabel = labels[LdapField::BindDn];
    passwordLabel = labels[LdapField::Password];
    portLabel = labels[LdapField::Port];
    protocolLabel = fieldLabel(UiText::Protocol, "ldap_info_label");

    const LdapFields::Edits edits = LdapFields::createEdits();
    hostEdit = edits[LdapField::Host];
    baseDnEdit = edits[LdapField::BaseDn];
    bindDnEdit = edits[LdapField::BindDn];
    passwordEdit = edits[LdapField::Password];
    portEdit = edits[LdapField::Port];
    for (QLineEdit *edit : edits)
        edit->setFixedWidth(dpi.scaled(314));

    protocolCombo = new QComboBox(this);
    protocolCombo->addItems({kLdapItem, kLdapsItem});
    protocolCombo->setItemDelegate(new QStyledItemDelegate(protocolCombo));
    applyStyle(protocolCombo, "protocol_combobox");
    protocolCombo->setFixedSize(dpi.scaled(314), dpi.scaled(32));
    protocolCombo->setContentsMargins(0, 0, 0, 0);
    // Hover events drive the hover sheet below.
    protocolCombo->setAttribute(Qt::WA_Hover);

    protocolCombo->setObjectName(QStringLiteral("protocol"));

    nextButton = new QPushButton(uiString(UiText::Next));
    nextButton->setObjectName(QStringLiteral("next"));
    applyStyle(nextButton, "aerum_button");
    nextButton->setFixedSize(dpi.scaled(125), dpi.scaled(36));

    auto *page = new QVBoxLayout;
    page->setSpacing(0);
    page->setContentsMargins(0, 0, 0, 0);
    page->addStretch();
    page->addLayout(stretchedRow(titleLabel));
    page->addSpacing(dpi.scaled(4));
    page->addLayout(stretchedRow(descriptionLabel));
    page->addSpacing(dpi.scaled(16));
    page->addLayout(stretchedRow(hostLabel, 34, hostEdit));
    page->addSpacing(dpi.scaled(6));
    page->addLayout(stretchedRow(baseDnLabel, 34, baseDnEdit));
    page->addSpacing(dpi.scaled(6));
    page->addLayout(stretchedRow(bindDnLabel, 34, bindDnEdit));
    page->addSpacing(dpi.scaled(6));
    page->addLayout(stretchedRow(passwordLabel, 34, passwordEdit));
    page->addSpacing(dpi.scaled(6));
    page->addLayout(stretchedRow(protocolLabel, 34, protocolCombo));
    page->addSpacing(dpi.scaled(6));
    page->addLayout(stretchedRow(portLabel, 34, portEdit));
    page->addSpacing(dpi.scaled(16));
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
    warningLabel->setFixedHeight(dpi.scaled(32));
    warningLabel->hide();
}

LdapFields::Edits LDAPInfoPage::fieldEdits() const
{
    return {hostEdit, baseDnEdit, bindDnEdit, passwordEdit, portEdit};
}

bool LDAPInfoPage::isLdaps() const
{
    return protocolCombo->currentText() == kLdapsItem;
}

void LDAPInfoPage::resetFields()
{
    for (QLineEdit *edit : fieldEdits())
        edit->clear();
    LdapFields::clearMarks(fieldEdits());
}

void LDAPInfoPage::showFieldWarning(int field)
{
    if (!LdapFields::isField(field))
        return;
    applyStyle(fieldEdits()[field], "edit_warn");
    // Scaled with the page, so the warning stays beside its field at every factor.
    const DPIinfo &dpi = DPIinfo::getInstance();
    warningLabel->move(dpi.scaled(kWarningX), dpi.scaled(kWarningY[field]));
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
    if (event->type() == QEvent::MouseButtonPress && LdapFields::contains(fieldEdits(), object)) {
        LdapFields::clearMarks(fieldEdits());
        warningLabel->hide();
    }
    return false;
}
