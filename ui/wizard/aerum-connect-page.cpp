#include "aerum-connect-page.h"

#include "global-connecter.h"
#include "page-parts.h"
#include "ui-strings.h"
#include "wizard-codes.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/dpi-info.h"

using namespace PageParts;

namespace {

QLineEdit *keyEdit()
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *edit = new QLineEdit;
    applyStyle(edit, "connect_key_edit");
    edit->setFixedSize(dpi.scaled(314), dpi.scaled(32));
    edit->setContentsMargins(0, 0, 0, 0);
    return edit;
}

QPushButton *button(int stringIndex, const char *styleKey)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *result = new QPushButton(uiString(stringIndex));
    applyStyle(result, styleKey);
    result->setFixedSize(dpi.scaled(125), dpi.scaled(36));
    return result;
}

} // namespace

AerumConnectPage::AerumConnectPage(QWidget *parent)
    : QWidget(parent)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    titleLabel = new QLabel(uiString(UiText::ConnectToAerumIdentity));
    applyStyle(titleLabel, "aerumconnect_title");
    titleLabel->setFixedSize(dpi.scaled(400), dpi.scaled(28));
    titleLabel->setAlignment(Qt::AlignCenter);

    const QString articleLink = QStringLiteral("https://") + kKnowledgeBaseHost
        + QStringLiteral("/Aerum/tutorial/integrate_ldap_with_aerum_identity");
    descriptionLabel = new QLabel(uiString(UiText::AerumconnectPageDesc).arg(articleLink));
    descriptionLabel->setWordWrap(true);
    applyStyle(descriptionLabel, "aerumconnect_description");
    descriptionLabel->setAlignment(Qt::AlignCenter);
    descriptionLabel->setOpenExternalLinks(true);
    descriptionLabel->setFixedSize(dpi.scaled(600), dpi.scaled(48));
    descriptionLabel->setContentsMargins(0, 0, 0, 0);

    serverDisplayNameLabel = new QLabel(requiredFieldCaption(UiText::ServerDisplayName));
    applyStyle(serverDisplayNameLabel, "connect_key_label");
    serverDisplayNameLabel->setFixedSize(dpi.scaled(190), dpi.scaled(32));
    connectKeyLabel = fieldLabel(UiText::ConnectKey, "connect_key_label");

    serverDisplayNameEdit = keyEdit();
    connectKeyEdit = keyEdit();
    backButton = button(UiText::Back, "aerum_button_grey");
    connectButton = button(UiText::Connect, "aerum_button");
    setObjectNames({{serverDisplayNameEdit, "serverDisplayName"}, {connectKeyEdit, "connectKey"}, {backButton, "back"},
                    {connectButton, "connect"}});

    auto *page = new QVBoxLayout;
    page->setSpacing(0);
    page->setContentsMargins(0, 0, 0, 0);
    page->addStretch();
    page->addLayout(stretchedRow(titleLabel));
    page->addSpacing(dpi.scaled(10));
    page->addLayout(stretchedRow(descriptionLabel));
    page->addSpacing(dpi.scaled(16));
    // 190 + 4 and 160 + 34 put both boxes at the same x.
    page->addLayout(stretchedRow(serverDisplayNameLabel, 4, serverDisplayNameEdit));
    page->addSpacing(dpi.scaled(8));
    page->addLayout(stretchedRow(connectKeyLabel, 34, connectKeyEdit));
    page->addSpacing(dpi.scaled(16));
    page->addLayout(stretchedRow(backButton, 12, connectButton));
    page->addStretch();

    serverDisplayNameEdit->installEventFilter(this);
    connectKeyEdit->installEventFilter(this);

    // Back emits "back" before "reset": the LDAP page is shown before the reset is sent.
    GlobalConnecter *hub = GlobalConnecter::getInstance();
    connect(backButton, &QPushButton::clicked, hub, [this] { emit sigBackToLdapInfoPage(); });
    connect(connectButton, &QPushButton::clicked, hub, [this] {
        emit sigSendConnectKeyToService(serverDisplayNameEdit->text(), connectKeyEdit->text());
    });
    connect(backButton, &QPushButton::clicked, hub, [this] { emit sigSendResetLdapInfoEventToService(); });
    connect(this, SIGNAL(sigSendConnectKeyToService(const QString &, const QString &)), hub,
            SIGNAL(sigSendConnectKeyToService(const QString &, const QString &)));
    connect(this, SIGNAL(sigSendResetLdapInfoEventToService()), hub, SIGNAL(sigSendResetLdapInfoEventToService()));
    connect(this, SIGNAL(sigBackToLdapInfoPage()), hub, SIGNAL(sigBackToLdapInfoPage()));

    setLayout(page);

    warningLabel = new QLabel(this);
    warningLabel->setObjectName(QStringLiteral("warning"));
    warningLabel->setAlignment(Qt::AlignCenter);
    applyStyle(warningLabel, "warning_label");
    warningLabel->setFixedHeight(dpi.scaled(32));
    warningLabel->hide();
}

void AerumConnectPage::resetFields()
{
    connectKeyEdit->clear();
    applyStyle(connectKeyEdit, "aerumconnect_edit");
    serverDisplayNameEdit->clear();
    applyStyle(serverDisplayNameEdit, "aerumconnect_edit");
}

void AerumConnectPage::placeWarning(const QString &text, int designX, int designY)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    warningLabel->setText(text);
    warningLabel->adjustSize();
    // Scaled with the page, so the warning stays under its field at every factor.
    warningLabel->move(dpi.scaled(designX), dpi.scaled(designY));
}

void AerumConnectPage::showFieldWarning(int field)
{
    switch (field) {
    case ConnectField::ServerDisplayName:
        placeWarning(uiString(UiText::FieldIsRequired), 375, 300);
        applyStyle(serverDisplayNameEdit, "edit_warn");
        break;
    case ConnectField::ConnectKey:
        placeWarning(uiString(connectKeyEdit->text().isEmpty() ? UiText::FieldIsRequired : UiText::InvalidConnectKey),
                     375, 340);
        applyStyle(connectKeyEdit, "edit_warn");
        break;
    default:
        return;
    }
    warningLabel->show();
}

bool AerumConnectPage::eventFilter(QObject *object, QEvent *event)
{
    if ((object == serverDisplayNameEdit || object == connectKeyEdit) && event->type() == QEvent::MouseButtonPress) {
        applyStyle(serverDisplayNameEdit, "aerumconnect_edit");
        applyStyle(connectKeyEdit, "aerumconnect_edit");
        warningLabel->hide();
    }
    return false;
}
