#include "wizard.h"

#include "global-connecter.h"
#include "ui-strings.h"
#include "aerum-connect-page.h"
#include "aerum-loading-frame.h"
#include "edit-connection-info-dialog.h"
#include "init-page.h"
#include "ldap-info-page.h"
#include "page-parts.h"
#include "summary-page.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "sheets/mask.h"

Wizard::Wizard(QWidget *parent)
    : QWidget(parent)
{
    initPage = new InitPage(this);
    ldapInfoPage = new LDAPInfoPage(this);
    connectPage = new AerumConnectPage(this);
    connectedPage = new SummaryPage(this, SummaryVariant::Connected);
    approvalRequiredPage = new SummaryPage(this, SummaryVariant::ApprovalRequired);
    disconnectedPage = new SummaryPage(this, SummaryVariant::Disconnected);
    ldapServerOfflinePage = new SummaryPage(this, SummaryVariant::LdapServerOffline);
    PageParts::setObjectNames({{initPage, "init"}, {ldapInfoPage, "ldapInfo"}, {connectPage, "connect"},
                               {connectedPage, "connected"}, {approvalRequiredPage, "approvalRequired"},
                               {disconnectedPage, "disconnected"}, {ldapServerOfflinePage, "ldapServerOffline"}});

    pageStack = new QStackedWidget(this);
    pageStack->setContentsMargins(0, 0, 0, 0);
    for (QWidget *page : std::initializer_list<QWidget *>{initPage, ldapInfoPage, connectPage, disconnectedPage,
                                                          approvalRequiredPage, connectedPage, ldapServerOfflinePage})
        pageStack->addWidget(page);
    pageStack->setCurrentWidget(initPage);

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pageStack);

    QPalette white = palette();
    white.setColor(QPalette::All, QPalette::Window, QColor(255, 255, 255, 255));
    setPalette(white);
    setAutoFillBackground(true);
    setLayout(layout);

    connect(this, &Wizard::sigConnectServiceDone, this, &Wizard::slotConnectServiceDone);
    connect(this, SIGNAL(sigQueryService(const QObject *, Json::Value)), GlobalConnecter::getInstance(),
            SIGNAL(sigQueryService(const QObject *, Json::Value)));

    // The product name stays the same in every language.
    setWindowTitle(QStringLiteral("Aerum Identity LDAP Sync Agent"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
}

void Wizard::showInitPage()
{
    pageStack->setCurrentWidget(initPage);
}

void Wizard::showLdapInfoPage(bool showWarning, int field)
{
    const bool entering = pageStack->currentWidget() != ldapInfoPage;
    if (entering)
        ldapInfoPage->resetFields();
    pageStack->setCurrentWidget(ldapInfoPage);
    // A form that appears takes the keyboard in its first box; a warning then
    // moves it to the rejected field.
    if (entering)
        ldapInfoPage->focusFirstField();
    if (showWarning)
        ldapInfoPage->showFieldWarning(field);
}

void Wizard::showConnectPage(bool showWarning, int field)
{
    const bool entering = pageStack->currentWidget() != connectPage;
    if (entering)
        connectPage->resetFields();
    pageStack->setCurrentWidget(connectPage);
    if (entering)
        connectPage->focusFirstField();
    if (showWarning)
        connectPage->showFieldWarning(field);
}

void Wizard::showSummary(int variant, const QString &text, bool quotaExceeded, bool restricted)
{
    SummaryPage *page = nullptr;
    switch (variant) {
    case SummaryVariant::Connected:
        page = connectedPage;
        break;
    case SummaryVariant::ApprovalRequired:
        page = approvalRequiredPage;
        break;
    case SummaryVariant::Disconnected:
        page = disconnectedPage;
        break;
    case SummaryVariant::LdapServerOffline:
        page = ldapServerOfflinePage;
        break;
    default:
        return;
    }
    // Only the Connected page shows the two warnings.
    if (variant != SummaryVariant::Connected)
        quotaExceeded = restricted = false;
    pageStack->setCurrentWidget(page);
    page->updateStatus(variant, text, quotaExceeded, restricted);
}

AerumLoadingFrame *Wizard::createLoadingCard(QWidget *host)
{
    auto *card = new AerumLoadingFrame(host);
    card->setText(uiString(UiText::DescWizardConnecting));
    card->setIcon(PageParts::squareImage("icon_agent", 16));
    OrvaMask::createMask(card, host, OrvaMask::dimColor());
    return card;
}

void Wizard::showLoading()
{
    const bool overDialog = editDialog && editDialog->isVisible();
    AerumLoadingFrame *&card = overDialog ? dialogLoadingCard : wizardLoadingCard;
    if (!card)
        card = createLoadingCard(overDialog ? static_cast<QWidget *>(editDialog) : this);
    card->runCard();
}

void Wizard::slotConnectServiceDone()
{
    if (wizardLoadingCard)
        wizardLoadingCard->stopCard();
    if (dialogLoadingCard)
        dialogLoadingCard->stopCard();
}

void Wizard::openEditDialog()
{
    if (!editDialog)
        editDialog = new EditConnectionInfoDialog(this);
    editDialog->setBusy(false);
    editDialog->focusFirstField();
    editDialog->exec();
}

void Wizard::acceptEditDialog()
{
    if (editDialog)
        editDialog->accept();
}

QWidget *Wizard::activeWindow()
{
    if (editDialog && editDialog->isVisible())
        return editDialog;
    return this;
}

void Wizard::setEditDialogBusy(bool busy)
{
    if (editDialog)
        editDialog->setBusy(busy);
}

void Wizard::showEditDialogWarning(int field)
{
    if (editDialog)
        editDialog->showFieldWarning(field);
}

void Wizard::setEditDialogInfo(const QString &host, const QString &basedn, const QString &binddn, const QString &port,
                               bool isLdaps)
{
    if (editDialog)
        editDialog->setLdapInfo(host, basedn, binddn, port, isLdaps);
}

void Wizard::keyPressEvent(QKeyEvent *event)
{
    // Escape closes (and so ends) the agent; every other key is swallowed.
    if (event->key() == Qt::Key_Escape)
        close();
}

void Wizard::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}
