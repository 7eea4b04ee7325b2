#include "client-manager.h"

#include "file-logger.h"
#include "global-connecter.h"
#include "reply-decoding.h"
#include "reply-members.h"
#include "service-communicator.h"
#include "service-failure-boxes.h"
#include "service-requests.h"
#include "ui-strings.h"
#include "no-dim-mask.h"
#include "page-parts.h"
#include "wizard.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "services/dpi-info.h"
#include "sheets/mask.h"
#include "sheets/message-sheet.h"

namespace {

std::string actionOf(const Json::Value &response)
{
    if (!response.isObject())
        return std::string();
    const Json::Value &action = response["action"];
    return action.isString() ? action.asString() : std::string();
}

} // namespace

ClientManager::ClientManager(const ClientManagerTiming &durations)
    : timing(durations)
{
    qRegisterMetaType<cmError>("cmError");

    GlobalConnecter *hub = GlobalConnecter::getInstance();
    connect(hub, &GlobalConnecter::sigSendLDAPInfoToService, this, &ClientManager::slotSendLDAPInfoToService);
    connect(hub, &GlobalConnecter::sigSendConnectKeyToService, this, &ClientManager::slotSendConnectKeyToService);
    connect(hub, &GlobalConnecter::sigSendResetLdapInfoEventToService, this,
            &ClientManager::slotSendResetLdapInfoEventToService);
    connect(hub, &GlobalConnecter::sigBackToLdapInfoPage, this, &ClientManager::slotBackToLdapInfoPage);
    connect(hub, &GlobalConnecter::sigOpenEditConnectionInfo, this, &ClientManager::slotOpenEditConnectionInfo);
    connect(hub, &GlobalConnecter::sigApplyEditLdapInfo, this, &ClientManager::slotApplyEditLdapInfo);
    connect(hub, &GlobalConnecter::sigQueryServiceDone, this, &ClientManager::slotQueryServiceDone);
    connect(hub, &GlobalConnecter::sigQueryServiceFailed, this, &ClientManager::slotQueryServiceFailed);
    connect(hub, &GlobalConnecter::sigQueryServiceUnavailable, this, &ClientManager::slotQueryServiceUnavailable);
    connect(this, &ClientManager::sigQueryService, hub, &GlobalConnecter::sigQueryService);

    retryTimer = new QTimer(this);
    retryTimer->setSingleShot(true);
    connect(retryTimer, &QTimer::timeout, this, [this] { send(statusRequest()); });

    communicatorThread = new QThread(this);
    communicator = new ServiceCommunicator();
    communicator->moveToThread(communicatorThread);
    // Deleted on its own thread as that ends, after its last exchange there.
    connect(communicatorThread, &QThread::finished, communicator, &QObject::deleteLater);
    communicatorThread->start(QThread::InheritPriority);

    const DPIinfo &dpi = DPIinfo::getInstance();
    wizard = new Wizard();
    wizard->setFixedSize(int(Wizard::kDesignWidth * dpi.getDPI()), int(Wizard::kDesignHeight * dpi.getDPI()));
}

ClientManager::~ClientManager()
{
    wizard->deleteLater();
    for (QThread *thread : {communicatorThread, pollerThread}) {
        if (!thread)
            continue;
        thread->quit();
        thread->wait();
        thread->deleteLater();
    }
}

void ClientManager::start()
{
    LOG_INFO("Application start\n");
    sinceLastReply.start();
    wizard->showInitPage();
    wizard->show();

    pollerThread = new QThread(this);
    poller = new GetStatusWorker(nullptr, timing.pollIntervalMs);
    poller->moveToThread(pollerThread);
    connect(pollerThread, &QThread::finished, poller, &QObject::deleteLater);
    pollerThread->start(QThread::InheritPriority);
    poller->startPolling();
}

void ClientManager::send(const Json::Value &request)
{
    emit sigQueryService(this, request);
}

void ClientManager::slotSendLDAPInfoToService(QString host, QString basedn, QString binddn, QString password,
                                              QString port, bool isLdaps)
{
    send(setLdapInfoRequest(host, basedn, binddn, password, port, isLdaps));
    wizard->showLoading();
}

void ClientManager::slotBackToLdapInfoPage()
{
    wizard->showLdapInfoPage(false, LdapField::Count);
}

void ClientManager::slotSendConnectKeyToService(QString server_display_name, QString connect_key)
{
    send(registerRequest(server_display_name, connect_key));
    wizard->showLoading();
}

void ClientManager::slotSendResetLdapInfoEventToService()
{
    send(resetLdapInfoRequest());
    wizard->showLoading();
}

void ClientManager::slotOpenEditConnectionInfo()
{
    editing = true;
    send(getLdapInfoRequest());
    wizard->openEditDialog();
    editing = false;
}

void ClientManager::slotApplyEditLdapInfo(QString host, QString basedn, QString binddn, QString password,
                                          QString port, bool isLdaps)
{
    emit sigQueryService(&dialogRequester, setLdapInfoRequest(host, basedn, binddn, password, port, isLdaps));
    wizard->setEditDialogBusy(true);
}

void ClientManager::slotQueryServiceDone(const QObject *sender, Json::Value response)
{
    if (sender != this && sender != poller && sender != &dialogRequester)
        return;
    retryTimer->stop();
    sinceLastReply.restart();
    emit wizard->sigConnectServiceDone();

    const std::string action = actionOf(response);
    if (action == ServiceAction::GetConnectionStatus || action == ServiceAction::Register) {
        apply(decodeStatusReply(response));
        wizard->show();
    } else if (action == ServiceAction::SetLdapInfo) {
        applySetLdapInfoReply(response, editing || sender == &dialogRequester);
    } else if (action == ServiceAction::GetLdapInfo) {
        apply(decodeGetLdapInfoReply(response));
    } else if (action != ServiceAction::ResetLdapInfo) {
        LOG_ERROR("Invalid action: %s\n", action.c_str());
    }
}

void ClientManager::applySetLdapInfoReply(const Json::Value &response, bool forDialog)
{
    ReplyMembers members(response);
    const bool failedWithData = !members.boolean("success") && members.has("data") && !members.failed();
    // The dialog's own failure: its buttons come back and it stays in front.
    const bool dialogFailure = forDialog && failedWithData;
    if (dialogFailure)
        wizard->setEditDialogBusy(false);
    const ReplyOutcome outcome = decodeSetLdapInfoReply(response, forDialog);
    apply(outcome);
    if (outcome.kind != ReplyOutcome::DialogClose && !dialogFailure)
        wizard->show();
}

void ClientManager::apply(const ReplyOutcome &outcome)
{
    switch (outcome.kind) {
    case ReplyOutcome::NoChange:
        break;
    case ReplyOutcome::LdapPage:
        if (outcome.field == kNoField)
            wizard->showLdapInfoPage(false, LdapField::Count);
        else
            wizard->showLdapInfoPage(true, outcome.field);
        break;
    case ReplyOutcome::ConnectPage:
        if (outcome.field == kNoField)
            wizard->showConnectPage(false, ConnectField::Count);
        else
            wizard->showConnectPage(true, outcome.field);
        break;
    case ReplyOutcome::Summary:
        wizard->showSummary(outcome.variant, outcome.timeText, outcome.quotaExceeded, outcome.restricted);
        break;
    case ReplyOutcome::Message:
        showWarningSheet(outcome.message);
        if (!outcome.serviceError.empty())
            LOG_ERROR("Service error: %s\n", outcome.serviceError.c_str());
        if (outcome.thenLdapPage)
            wizard->showLdapInfoPage(false, LdapField::Count);
        break;
    case ReplyOutcome::DialogFieldError:
        wizard->showEditDialogWarning(outcome.field);
        break;
    case ReplyOutcome::DialogClose:
        wizard->acceptEditDialog();
        send(statusRequest());
        break;
    case ReplyOutcome::DialogFill:
        wizard->setEditDialogInfo(outcome.host, outcome.basedn, outcome.binddn, outcome.port, outcome.isLdaps);
        break;
    }
}

void ClientManager::showWarningSheet(int message)
{
    QWidget *parent = wizard->activeWindow();
    OrvaMessageSheet sheet(OrvaMessageSheet::Warning, parent, true);
    PageParts::prepareWarningSheet(sheet, message);
    // Over the edit dialog the sheet must not dim: the dialog is a translucent card.
    if (parent == wizard)
        OrvaMask::createMask(&sheet, wizard, OrvaMask::dimColor());
    else
        NoDimMask::createMask(&sheet, parent, QColor(0, 0, 0, 0));
    sheet.exec();
}

void ClientManager::slotQueryServiceFailed(cmError err)
{
    // One box is enough: later failures arrive while it is open or after the end.
    disconnect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryServiceFailed, this,
               &ClientManager::slotQueryServiceFailed);
    runServiceBrokenBox(err);
    QCoreApplication::quit();
}

void ClientManager::slotQueryServiceUnavailable(const QObject *sender)
{
    // No reply will end the dialog's wait: give its buttons back rather than
    // leave a window whose only way out is a key nobody sees.
    if (sender == &dialogRequester)
        wizard->setEditDialogBusy(false);
    if (retryBoxOpen)
        return;
    if (sinceLastReply.elapsed() < timing.quietWindowMs) {
        wizard->showInitPage();
        if (!retryTimer->isActive())
            retryTimer->start(timing.retryDelayMs);
        return;
    }
    retryTimer->stop();
    retryBoxOpen = true;
    runServiceRetryBox();
    retryBoxOpen = false;
    sinceLastReply.restart();
    wizard->showInitPage();
    send(statusRequest());
}
