#pragma once

#include <QWidget>

#include <json/value.h>

class AerumConnectPage;
class AerumLoadingFrame;
class EditConnectionInfoDialog;
class InitPage;
class LDAPInfoPage;
class QStackedWidget;
class SummaryPage;

// The agent's only window. It decides nothing: the client manager tells it
// which page to show, runs the loading card while a request is under way and
// emits sigConnectServiceDone() when the reply has come.
class Wizard : public QWidget
{
    Q_OBJECT
public:
    // The window's size at 96 DPI; the client manager scales it.
    static constexpr int kDesignWidth = 900;
    static constexpr int kDesignHeight = 540;

    explicit Wizard(QWidget *parent = nullptr);

    void showInitPage();
    // The page's fields are cleared when it was not current; a field code
    // outside the page's fields shows no warning.
    void showLdapInfoPage(bool showWarning, int field);
    void showConnectPage(bool showWarning, int field);
    // Variants 0 to 3; any other variant changes nothing.
    void showSummary(int variant, const QString &text, bool quotaExceeded, bool restricted);

    // Lays the loading card over the edit dialog when it is up, else over the
    // window, and returns once sigConnectServiceDone() has hidden it.
    void showLoading();

    // Runs the edit dialog modally (created on first use) until it closes.
    void openEditDialog();
    void acceptEditDialog();
    // The edit dialog while it is visible, else the wizard.
    QWidget *activeWindow();

    // Forwarded to the edit dialog when it exists.
    void setEditDialogBusy(bool busy);
    void showEditDialogWarning(int field);
    void setEditDialogInfo(const QString &host, const QString &basedn, const QString &binddn, const QString &port,
                           bool isLdaps);

signals:
    void sigConnectServiceDone();
    void sigQueryService(const QObject *sender, Json::Value request);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void slotConnectServiceDone();

private:
    AerumLoadingFrame *createLoadingCard(QWidget *host);

    AerumLoadingFrame *wizardLoadingCard = nullptr;
    AerumLoadingFrame *dialogLoadingCard = nullptr;
    QStackedWidget *pageStack;
    InitPage *initPage;
    LDAPInfoPage *ldapInfoPage;
    AerumConnectPage *connectPage;
    SummaryPage *disconnectedPage;
    SummaryPage *approvalRequiredPage;
    SummaryPage *connectedPage;
    SummaryPage *ldapServerOfflinePage;
    EditConnectionInfoDialog *editDialog = nullptr;
};
