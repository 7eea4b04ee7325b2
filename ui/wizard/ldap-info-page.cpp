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

} // namespace

LDAPInfoPage::LDAPInfoPage(QWidget *parent)
    : QWidget(parent)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    titleLabel = new QLabel(uiString(UiText::ConnectToAerumLdapServer));
    applyStyle(titleLabel, "welcome_title");
    growWithText(titleLabel, 400, 28);
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
    alignCaptions({hostLabel, baseDnLabel, bindDnLabel, passwordLabel, protocolLabel, portLabel}, 160);

    const LdapFields::Edits edits = LdapFields::createEdits();
    hostEdit = edits[LdapField::Host];
    baseDnEdit = edits[LdapField::BaseDn];
    bindDnEdit = edits[LdapField::BindDn];
    passwordEdit = edits[LdapField::Password];
    portEdit = edits[LdapField::Port];
    for (QLineEdit *edit : edits)
        edit->setFixedWidth(dpi.scaled(314));

    // Parented by the layout like every other widget, so that it follows the
    // title and the boxes before it in the focus chain and for screen readers.
    protocolCombo = new QComboBox;
    protocolCombo->addItems({kLdapItem, kLdapsItem});
    for (int item = 0; item < protocolCombo->count(); ++item)
        protocolCombo->setItemData(item, protocolCombo->itemText(item).trimmed(), Qt::AccessibleTextRole);
    protocolCombo->setAccessibleName(uiString(UiText::Protocol));
    pairCaptions({{hostLabel, hostEdit}, {baseDnLabel, baseDnEdit}, {bindDnLabel, bindDnEdit},
                  {passwordLabel, passwordEdit}, {protocolLabel, protocolCombo}, {portLabel, portEdit}});
    protocolCombo->setItemDelegate(new QStyledItemDelegate(protocolCombo));
    applyStyle(protocolCombo, "protocol_combobox");
    protocolCombo->setFixedSize(dpi.scaled(314), dpi.scaled(32));
    protocolCombo->setContentsMargins(0, 0, 0, 0);
    // Hover events drive the hover sheet below.
    protocolCombo->setAttribute(Qt::WA_Hover);

    protocolCombo->setObjectName(QStringLiteral("protocol"));

    nextButton = captionButton(UiText::Next, getStyleSheet("aerum_button", false), 125, 36);
    nextButton->setObjectName(QStringLiteral("next"));

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

void LDAPInfoPage::focusFirstField()
{
    hostEdit->setFocus(Qt::OtherFocusReason);
}

void LDAPInfoPage::hideWarning()
{
    LdapFields::clearMarks(fieldEdits());
    warningLabel->hide();
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
    QLineEdit *edit = fieldEdits()[field];
    // Beside the box rather than over the next one, in every language.
    placeWarningBeside(warningLabel, edit);
    describeFieldWarning(edit, warningLabel->text());
    warningLabel->show();
    edit->setFocus(Qt::OtherFocusReason);
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
    if (event->type() == QEvent::MouseButtonPress && LdapFields::contains(fieldEdits(), object))
        hideWarning();
    return false;
}
