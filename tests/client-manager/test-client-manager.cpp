#include <QtTest>

#include "test-main.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>

#include "agent-ui-fixture.h"
#include "client-manager.h"
#include "file-logger.h"
#include "global-connecter.h"
#include "modal-closer.h"
#include "modal-rescue.h"
#include "service-simulator.h"
#include "edit-connection-info-dialog.h"
#include "wizard.h"

#include <memory>

namespace {

const char *const kPassword = "Bind-Pw-7f3a9";
const char *const kConnectKey = "KEY-1234";

Wizard *wizardWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *wizard = qobject_cast<Wizard *>(widget))
            return wizard;
    return nullptr;
}

QString currentPage()
{
    Wizard *wizard = wizardWindow();
    return wizard ? wizard->findChild<QStackedWidget *>()->currentWidget()->objectName() : QString();
}

template <typename T>
T *on(const char *pageName, const char *child)
{
    return wizardWindow()->findChild<QWidget *>(pageName)->findChild<T *>(child);
}

void fillLdapForm(const QString &host, const QString &password)
{
    on<QLineEdit>("ldapInfo", "host")->setText(host);
    on<QLineEdit>("ldapInfo", "basedn")->setText("dc=example,dc=corp,dc=local");
    on<QLineEdit>("ldapInfo", "binddn")->setText("cn=administrator,dc=example,dc=corp,dc=local");
    on<QLineEdit>("ldapInfo", "password")->setText(password);
    on<QLineEdit>("ldapInfo", "port")->setText("389");
}

// What the reply to one request left on screen.
struct AfterReply
{
    QString page;
    QString warning; // the page's warning, empty while hidden
};

// Clicks BUTTON and waits until the reply to ACTION has been handled. A poll
// reply already on its way can end the loading card before that reply, and
// later polls may move the page again, so the page is taken as it is handled.
AfterReply clickAndAwaitReply(QPushButton *button, const char *action)
{
    AfterReply seen;
    bool handled = false;
    QObject watching;
    // Connected after the client manager, so this runs once it has handled the reply.
    QObject::connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryServiceDone, &watching,
                     [&](const QObject *, Json::Value reply) {
                         if (handled || reply["action"] != action)
                             return;
                         handled = true;
                         seen.page = currentPage();
                         const auto *warning =
                             wizardWindow()->findChild<QWidget *>(seen.page)->findChild<QLabel *>("warning");
                         if (warning && !warning->isHidden())
                             seen.warning = warning->text();
                     });
    QTest::mouseClick(button, Qt::LeftButton);
    return QTest::qWaitFor([&] { return handled; }, 30000) ? seen : AfterReply();
}

AfterReply registerServer(const QString &key)
{
    on<QLineEdit>("connect", "serverDisplayName")->setText("dc01");
    on<QLineEdit>("connect", "connectKey")->setText(key);
    return clickAndAwaitReply(on<QPushButton>("connect", "connect"), "register");
}

AfterReply submitLdapForm()
{
    return clickAndAwaitReply(on<QPushButton>("ldapInfo", "next"), "set_ldap_info");
}

Json::Value statusReply()
{
    Json::Value reply;
    reply["action"] = "get_connection_status";
    reply["success"] = true;
    reply["data"]["ready"] = false;
    reply["data"]["has_config"] = false;
    return reply;
}

bool messageBoxUp()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox *>(widget) && widget->isVisible())
            return true;
    return false;
}

QtMessageHandler previousHandler = nullptr;
QStringList capturedMessages;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    capturedMessages << message;
    previousHandler(type, context, message);
}

} // namespace

class TestClientManager : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;
    std::unique_ptr<ClientManager> manager;
    // Every test waits in loading cards, sheets, boxes or the edit dialog;
    // with the simulator's round trips on a loaded machine, one may take long.
    std::unique_ptr<ModalRescue> rescue;

    QString endpoint() const { return fixture.dataPath("service.sock"); }

    std::unique_ptr<ServiceSimulator> startSimulator(const QStringList &extraArguments = {})
    {
        auto sim = std::make_unique<ServiceSimulator>(ServiceSimulator::Place{endpoint(), fixture.dataPath("sim")},
                                                      QStringList{"--connect-key", kConnectKey} + extraArguments);
        return sim->start() ? std::move(sim) : nullptr;
    }

    void startAgent(int retryDelayMs = 2000, qint64 quietWindowMs = 30000, int pollIntervalMs = 100)
    {
        manager = std::make_unique<ClientManager>(ClientManagerTiming{retryDelayMs, quietWindowMs, pollIntervalMs});
        manager->start();
    }

    // Form, connect key and approval, as a new administrator goes through them.
    void walkToConnected(ServiceSimulator &sim)
    {
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
        fillLdapForm("10.0.0.5", kPassword);
        QCOMPARE(submitLdapForm().page, QStringLiteral("connect"));
        QCOMPARE(registerServer(kConnectKey).page, QStringLiteral("approvalRequired"));
        QVERIFY(sim.command("approve"));
        QTRY_COMPARE(currentPage(), QStringLiteral("connected"));
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<const QObject *>("const QObject*"); // for the signal spies
        qputenv("LODESTAR_SERVICE_ENDPOINT", endpoint().toUtf8());
        QCOMPARE(logInitAgentFile(fixture.dataPath("ui.txt").toStdString()), 0);
        previousHandler = qInstallMessageHandler(captureMessage);
    }

    void init() { rescue = std::make_unique<ModalRescue>(60000); }

    void cleanup()
    {
        manager.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        rescue.reset();
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(previousHandler);
        QFile log(fixture.dataPath("ui.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray written = log.readAll();
        QVERIFY(written.contains("Application start"));
        QVERIFY2(!written.contains(kPassword), "the bind password reached the log file");
        QVERIFY2(!capturedMessages.join('\n').contains(kPassword), "the bind password reached the output");
    }

    // Every step is a real click; each reply's page is checked as it is handled.
    void walksFromTheFormThroughEveryStatus()
    {
        const auto sim = startSimulator();
        QVERIFY(sim);
        startAgent();
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));

        fillLdapForm("10.0.0.5", kPassword);
        QCOMPARE(submitLdapForm().page, QStringLiteral("connect"));

        const AfterReply rejected = registerServer("WRONG-KEY");
        QCOMPARE(rejected.page, QStringLiteral("connect"));
        QCOMPARE(rejected.warning, QStringLiteral("The connect key is invalid."));

        QCOMPARE(registerServer(kConnectKey).page, QStringLiteral("approvalRequired"));

        QVERIFY(sim->command("approve"));
        QTRY_COMPARE(currentPage(), QStringLiteral("connected"));
        QVERIFY(on<QLabel>("connected", "quota")->isHidden());
        QVERIFY(on<QLabel>("connected", "restricted")->isHidden());

        QVERIFY(sim->command("quota on"));
        QTRY_VERIFY(!on<QLabel>("connected", "quota")->isHidden());

        QVERIFY(sim->command("restrict on"));
        QTRY_VERIFY(!on<QLabel>("connected", "restricted")->isHidden());
        QVERIFY(on<QLabel>("connected", "quota")->isHidden());
        QCOMPARE(currentPage(), QStringLiteral("connected"));

        QVERIFY(sim->command("restrict off"));
        QVERIFY(sim->command("quota off"));
        QVERIFY(sim->command("offline"));
        QTRY_COMPARE(currentPage(), QStringLiteral("disconnected"));
        QVERIFY(on<QLabel>("disconnected", "description")
                    ->text()
                    .contains(QRegularExpression("last connected at \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d\\.")));

        QVERIFY(sim->command("online"));
        QVERIFY(sim->command("ldap-down"));
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapServerOffline"));
        QVERIFY(!sim->output().contains(kPassword));
    }

    void backShowsTheFormAndResetsTheSettings()
    {
        const auto sim = startSimulator();
        QVERIFY(sim);
        startAgent();
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
        fillLdapForm("10.0.0.5", kPassword);
        QCOMPARE(submitLdapForm().page, QStringLiteral("connect"));

        // The form is back, and empty, by the time the reset is sent. A poll
        // answered before the reset may show the connect page again for a moment.
        QString pageAtReset;
        QString hostAtReset = QStringLiteral("not sent");
        QObject watching;
        connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService, &watching,
                [&](const QObject *, Json::Value request) {
                    if (request["action"] != "reset_ldap_info")
                        return;
                    pageAtReset = currentPage();
                    hostAtReset = on<QLineEdit>("ldapInfo", "host")->text();
                });
        clickAndAwaitReply(on<QPushButton>("connect", "back"), "reset_ldap_info");

        QCOMPARE(pageAtReset, QStringLiteral("ldapInfo"));
        QVERIFY(hostAtReset.isEmpty());
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
        QVERIFY(on<QLineEdit>("ldapInfo", "host")->text().isEmpty());
        QVERIFY(sim->command("status", "has_config: no"));
    }

    void requestErrorShowsTheSheetThenTheForm()
    {
        const auto sim = startSimulator();
        QVERIFY(sim);
        QVERIFY(sim->command("ldap-down"));
        ModalCloser closer;
        startAgent();
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
        fillLdapForm("10.0.0.5", kPassword);

        QTest::mouseClick(on<QPushButton>("ldapInfo", "next"), Qt::LeftButton);

        // A poll reply on its way may end the loading card before the sheet.
        QTRY_COMPARE_WITH_TIMEOUT(closer.seen.size(), 1, 30000);
        QCOMPARE(closer.seen[0].kind, QStringLiteral("sheet"));
        QCOMPARE(closer.seen[0].hostWindow, QStringLiteral("Wizard"));
        QCOMPARE(closer.seen[0].text, uiString(UiText::ErrLdapAuthFailed));
        QCOMPARE(currentPage(), QStringLiteral("ldapInfo"));
        QVERIFY(on<QLabel>("ldapInfo", "warning")->isHidden());
    }

    void editDialogMarksRejectionsShowsErrorsAndClosesOnSuccess()
    {
        const auto sim = startSimulator();
        QVERIFY(sim);
        startAgent();
        walkToConnected(*sim);
        QVERIFY(sim->command("ldap-down"));
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapServerOffline"));
        ModalCloser closer;

        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = wizardWindow()->findChild<EditConnectionInfoDialog *>();
            QVERIFY(dialog);
            auto box = [dialog](const char *name) { return dialog->findChild<QLineEdit *>(name); };
            auto *ok = dialog->findChild<QPushButton *>("ok");
            QTRY_COMPARE(box("host")->text(), QStringLiteral("10.0.0.5"));
            QVERIFY(box("password")->text().isEmpty());

            // A rejected field: marked, and the buttons come back.
            box("password")->setText(kPassword);
            box("port")->clear();
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!ok->isEnabled());
            QTRY_VERIFY(ok->isEnabled());
            QCOMPARE(box("port")->styleSheet(), getStyleSheet("edit_warn", false));
            QVERIFY(dialog->findChild<QLabel *>("warning")->isVisible());

            // The LDAP server cannot be reached: a sheet over the dialog, which stays.
            box("port")->setText("389");
            QTest::mouseClick(ok, Qt::LeftButton);
            QTRY_COMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen[0].hostWindow, QStringLiteral("EditConnectionInfoDialog"));
            QCOMPARE(closer.seen[0].text, uiString(UiText::ErrLdapAuthFailed));
            QTRY_VERIFY(ok->isEnabled());
            QVERIFY(dialog->isVisible());

            QVERIFY(sim->command("ldap-up"));
            QTest::mouseClick(ok, Qt::LeftButton);
            QTRY_VERIFY(!dialog->isVisible());
            driven = true;
        });
        emit on<QLabel>("ldapServerOffline", "description")->linkActivated("editconn");
        RETURN_IF_FAILED();

        QVERIFY(driven);
        QTRY_COMPARE(currentPage(), QStringLiteral("connected"));
    }

    // Escape closes the dialog while its settings are on their way. Their reply
    // still belongs to the dialog: taking a registered server to the connect
    // page or to the first-run form would tell the administrator to start over.
    void settingsReplyAfterTheDialogClosedKeepsTheSummary_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("pollFailsMeanwhile");
        QTest::newRow("accepted") << "389" << false;
        QTest::newRow("port rejected") << "" << false;
        // Another request's loss says nothing about the dialog's settings.
        QTest::newRow("accepted, a poll lost meanwhile") << "389" << true;
    }
    void settingsReplyAfterTheDialogClosedKeepsTheSummary()
    {
        QFETCH(QString, port);
        QFETCH(bool, pollFailsMeanwhile);
        // Every reply waits, so the dialog can be closed before its reply is in.
        const auto sim = startSimulator({"--reply-delay", "300"});
        QVERIFY(sim);
        startAgent(2000, 30000, 1000);
        walkToConnected(*sim);

        QObject watching; // ends both watches with the test
        QStringList shown;
        auto *stack = wizardWindow()->findChild<QStackedWidget *>();
        connect(stack, &QStackedWidget::currentChanged, &watching,
                [&](int) { shown << stack->currentWidget()->objectName(); });
        bool settingsReplied = false;
        connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryServiceDone, &watching,
                [&](const QObject *, Json::Value reply) {
                    settingsReplied = settingsReplied || reply["action"] == "set_ldap_info";
                });
        QTimer::singleShot(0, this, [&] {
            auto *dialog = wizardWindow()->findChild<EditConnectionInfoDialog *>();
            QVERIFY(dialog);
            QTRY_COMPARE(dialog->findChild<QLineEdit *>("host")->text(), QStringLiteral("10.0.0.5"));
            dialog->findChild<QLineEdit *>("password")->setText(kPassword);
            dialog->findChild<QLineEdit *>("port")->setText(port);
            QTest::mouseClick(dialog->findChild<QPushButton *>("ok"), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Escape);
            if (pollFailsMeanwhile)
                emit GlobalConnecter::getInstance()->sigQueryServiceUnavailable(&watching);
        });
        emit GlobalConnecter::getInstance()->sigOpenEditConnectionInfo();
        RETURN_IF_FAILED();

        QTRY_VERIFY(settingsReplied);
        QVERIFY2(!shown.contains("connect") && !shown.contains("ldapInfo"), qPrintable(shown.join(", ")));
        // After a lost poll the next accepted reply brings the summary back.
        QTRY_COMPARE(currentPage(), QStringLiteral("connected"));
    }

    // A request the service never answered must not leave the dialog with
    // dead buttons: only Escape, which nobody sees on the card, would close it.
    void settingsLostOnTheWayGiveTheDialogItsButtonsBack()
    {
        startAgent(60000, 600000, 600000);
        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = wizardWindow()->findChild<EditConnectionInfoDialog *>();
            QVERIFY(dialog);
            auto *ok = dialog->findChild<QPushButton *>("ok");
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!ok->isEnabled());
            QTRY_VERIFY(ok->isEnabled());
            QVERIFY(dialog->findChild<QPushButton *>("cancel")->isEnabled());
            driven = true;
            dialog->reject();
        });
        emit GlobalConnecter::getInstance()->sigOpenEditConnectionInfo();
        RETURN_IF_FAILED();
        QVERIFY(driven);
    }

    // The dialog's settings are still queued behind a poll that fails: OK
    // must stay disabled until their own reply, or it could be pressed twice.
    void otherRequestsLostKeepTheDialogBusy()
    {
        const auto sim = startSimulator({"--reply-delay", "300"});
        QVERIFY(sim);
        startAgent(60000, 600000, 600000);
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
        bool stayedBusy = false;
        bool closedByItsReply = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = wizardWindow()->findChild<EditConnectionInfoDialog *>();
            QVERIFY(dialog);
            auto box = [dialog](const char *name) { return dialog->findChild<QLineEdit *>(name); };
            box("host")->setText("10.0.0.5");
            box("basedn")->setText("dc=example,dc=corp,dc=local");
            box("binddn")->setText("cn=administrator,dc=example,dc=corp,dc=local");
            box("password")->setText(kPassword);
            box("port")->setText("389");
            auto *ok = dialog->findChild<QPushButton *>("ok");
            QTest::mouseClick(ok, Qt::LeftButton);
            QObject stranger;
            emit GlobalConnecter::getInstance()->sigQueryServiceUnavailable(&stranger);
            stayedBusy = !ok->isEnabled();
            QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 30000);
            closedByItsReply = true;
        });
        emit GlobalConnecter::getInstance()->sigOpenEditConnectionInfo();
        RETURN_IF_FAILED();
        QVERIFY(stayedBusy);
        QVERIFY(closedByItsReply);
    }

    void repliesForOthersAreIgnored()
    {
        startAgent();
        QObject stranger;
        emit GlobalConnecter::getInstance()->sigQueryServiceDone(&stranger, statusReply());
        QCOMPARE(currentPage(), QStringLiteral("init"));

        // The same reply, addressed to the manager, does move the wizard.
        emit GlobalConnecter::getInstance()->sigQueryServiceDone(manager.get(), statusReply());
        QCOMPARE(currentPage(), QStringLiteral("ldapInfo"));
    }

    void unreachableServiceIsRetriedThenOfferedForRetryOnce()
    {
        ModalCloser closer(600);
        QSignalSpy unavailable(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryServiceUnavailable);
        // The quiet window starts again when the box closes; the checks below
        // must run well within it, or a second box would be due.
        startAgent(50, 5000, 100);

        QTRY_COMPARE_WITH_TIMEOUT(closer.seen.size(), 1, 30000);
        QCOMPARE(closer.seen[0].kind, QStringLiteral("box"));
        QCOMPARE(closer.seen[0].text, uiString(UiText::InitializingFailedDesc));
        QCOMPARE(currentPage(), QStringLiteral("init"));
        // Quiet retries came before the box, not only the poller's first request.
        QVERIFY(unavailable.count() >= 3);

        // While the box is up the poller keeps failing; no second box may open.
        const int failuresBefore = unavailable.count();
        QTRY_VERIFY(unavailable.count() > failuresBefore);
        QTRY_VERIFY(!messageBoxUp());
        QCOMPARE(closer.seen.size(), 1);

        const auto sim = startSimulator();
        QVERIFY(sim);
        QTRY_COMPARE(currentPage(), QStringLiteral("ldapInfo"));
    }

    void garbageFromTheServiceShowsOneBoxAndEndsTheAgent()
    {
        const auto sim = startSimulator({"--fault", "not-json"});
        QVERIFY(sim);
        // Held long enough for the poller to fail again while the box is up.
        ModalCloser closer(2000);
        QSignalSpy failed(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryServiceFailed);
        startAgent(50, 30000, 50);

        const int code = QCoreApplication::exec();
        RETURN_IF_FAILED();
        QCOMPARE(code, 0);

        QVERIFY(failed.count() >= 2);
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].kind, QStringLiteral("box"));
        QCOMPARE(closer.seen[0].text, uiString(UiText::ErrQueryServiceFailed));
    }
};

LODESTAR_TEST_MAIN(TestClientManager)
#include "test-client-manager.moc"
