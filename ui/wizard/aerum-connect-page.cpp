#include "aerum-connect-page.h"

#include "global-connecter.h"
#include "link-text-label.h"
#include "page-parts.h"
#include "ui-strings.h"
#include "wizard-codes.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "services/dpi-info.h"
#include "services/style-manager.h"

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
    return captionButton(stringIndex, getStyleSheet(styleKey, false), 125, 36);
}

} // namespace

AerumConnectPage::AerumConnectPage(QWidget *parent)
    : QWidget(parent)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    titleLabel = new QLabel(uiString(UiText::ConnectToAerumIdentity));
    applyStyle(titleLabel, "aerumconnect_title");
    growWithText(titleLabel, 400, 28);
    titleLabel->setAlignment(Qt::AlignCenter);

    const QString articleLink = QStringLiteral("https://") + kKnowledgeBaseHost
        + QStringLiteral("/Aerum/tutorial/integrate_ldap_with_aerum_identity");
    // The article link is reached with Tab and followed with Return, too.
    descriptionLabel = new LinkTextLabel(uiString(UiText::AerumconnectPageDesc).arg(articleLink));
    descriptionLabel->setWordWrap(true);
    applyStyle(descriptionLabel, "aerumconnect_description");
    descriptionLabel->setAlignment(Qt::AlignCenter);
    descriptionLabel->setOpenExternalLinks(true);
    descriptionLabel->setFixedSize(dpi.scaled(600), dpi.scaled(48));
    descriptionLabel->setContentsMargins(0, 0, 0, 0);

    serverDisplayNameLabel = fieldLabel(UiText::ServerDisplayName, "connect_key_label", 190);
    connectKeyLabel = fieldLabel(UiText::ConnectKey, "connect_key_label");
    // The captions differ by 30 design pixels, which their spacings make up
    // for; a caption that is longer in some language widens both alike.
    const int nameWidth = std::max({dpi.scaled(190), captionWidth(serverDisplayNameLabel),
                                    captionWidth(connectKeyLabel) + dpi.scaled(30)});
    serverDisplayNameLabel->setFixedWidth(nameWidth);
    connectKeyLabel->setFixedWidth(nameWidth - dpi.scaled(30));

    serverDisplayNameEdit = keyEdit();
    nameRequiredField(serverDisplayNameEdit, UiText::ServerDisplayName);
    connectKeyEdit = keyEdit();
    nameRequiredField(connectKeyEdit, UiText::ConnectKey);
    pairCaptions({{serverDisplayNameLabel, serverDisplayNameEdit}, {connectKeyLabel, connectKeyEdit}});
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

void AerumConnectPage::focusFirstField()
{
    serverDisplayNameEdit->setFocus(Qt::OtherFocusReason);
}

void AerumConnectPage::showFieldWarning(int field)
{
    QLineEdit *edit = nullptr;
    int text = UiText::FieldIsRequired;
    switch (field) {
    case ConnectField::ServerDisplayName:
        edit = serverDisplayNameEdit;
        break;
    case ConnectField::ConnectKey:
        edit = connectKeyEdit;
        if (!edit->text().isEmpty())
            text = UiText::InvalidConnectKey;
        break;
    default:
        return;
    }
    warningLabel->setText(uiString(text));
    // Beside the box: under it, the warning would hide the buttons.
    placeWarningBeside(warningLabel, edit);
    applyStyle(edit, "edit_warn");
    describeFieldWarning(edit, warningLabel->text());
    warningLabel->show();
    edit->setFocus(Qt::OtherFocusReason);
}

bool AerumConnectPage::eventFilter(QObject *object, QEvent *event)
{
    if ((object == serverDisplayNameEdit || object == connectKeyEdit) && event->type() == QEvent::MouseButtonPress) {
        for (QLineEdit *edit : {serverDisplayNameEdit, connectKeyEdit}) {
            applyStyle(edit, "aerumconnect_edit");
            describeFieldWarning(edit);
        }
        warningLabel->hide();
    }
    return false;
}
