#include <QtTest>

#include "test-main.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

#include "ctl-runner.h"
#include "frame.h"
#include "raw-peer.h"
#include "service-simulator.h"

namespace {

const QByteArray kPassword = "S3cret-bind-pa55";
const QString kConnectKey = QStringLiteral("KEY-7f3a9c-SECRET");

const QStringList kLdapSet{"ldap", "set", "--host", "10.0.0.5", "--base-dn", "dc=example,dc=test",
                           "--bind-dn", "cn=admin,dc=example,dc=test", "--port", "389", "--password-stdin"};
const QStringList kRegister{"register", "--name", "srv-01", "--key-stdin"};

// A simulator with its own lodestar-ctl, and a file of the connect key.
struct Setup
{
    ServiceSimulator simulator;
    CtlRunner ctl;

    explicit Setup(const QStringList &arguments = {})
        : simulator(QStringList{"--connect-key", kConnectKey} + arguments)
        , ctl(simulator.endpoint(), simulator.dataDir())
    {
    }

    // LDAP settings stored and the server registered, waiting for approval.
    bool registered()
    {
        return ctl.run(kLdapSet, kPassword + '\n').exitCode == 0
               && ctl.run(kRegister, kConnectKey.toUtf8()).exitCode == 0;
    }
};

QJsonObject jsonOf(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

// A file holding `content` with the permission bits `mode`.
QString secretFile(const QTemporaryDir &dir, const QByteArray &content, QFile::Permissions mode)
{
    const QString path = dir.filePath("secret");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
    file.close();
    file.setPermissions(mode);
    return path;
}

QStringList lines(const QString &text)
{
    return text.split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestCtl : public QObject
{
    Q_OBJECT

private slots:
    void helpNamesEveryCommandOptionAndExitCode()
    {
        Setup setup;
        const CtlRunner::Result help = setup.ctl.run({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char *word : {"status", "ldap get", "ldap set", "register", "reset", "--json", "--host",
                                 "--base-dn", "--bind-dn", "--port", "--ldaps", "--password-stdin",
                                 "--password-file", "--name", "--key-stdin", "--key-file", "--wait-approved",
                                 "--poll-interval", "--yes", "--reply-timeout", "  0 ", "  2 ", "  3 ", "  4 ",
                                 "  5 ", "  64 "})
            QVERIFY2(help.out.contains(QLatin1String(word)), word);
    }

    // A misplaced secret must not come back in the complaint about it.
    void usageErrorsAreOneLineAndEchoNoValue_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"S3cret-bind-pa55"};
        QTest::newRow("ldap alone") << QStringList{"ldap"};
        QTest::newRow("password option") << QStringList{"ldap", "set", "--password=S3cret-bind-pa55"};
        QTest::newRow("password as argument") << kLdapSet + QStringList{"S3cret-bind-pa55"};
        QTest::newRow("missing host") << QStringList{"ldap", "set", "--base-dn", "b", "--bind-dn", "d", "--port",
                                                     "389", "--password-stdin"};
        QTest::newRow("two password sources") << kLdapSet + QStringList{"--password-file", "S3cret-bind-pa55"};
        QTest::newRow("no password source") << QStringList(kLdapSet.mid(0, kLdapSet.size() - 1));
        QTest::newRow("no key source") << QStringList{"register", "--name", "n"};
        QTest::newRow("option of another command") << QStringList{"status", "--yes"};
        QTest::newRow("reset unconfirmed") << QStringList{"reset"};
        QTest::newRow("wait not a number") << kRegister + QStringList{"--wait-approved", "S3cret-bind-pa55"};
        QTest::newRow("poll without wait") << kRegister + QStringList{"--poll-interval", "1"};
        QTest::newRow("value missing") << QStringList{"status", "--reply-timeout"};
        QTest::newRow("option twice") << QStringList{"status", "--json", "--json"};
    }
    void usageErrorsAreOneLineAndEchoNoValue()
    {
        QFETCH(QStringList, arguments);
        Setup setup;
        QVERIFY(setup.simulator.start());
        const CtlRunner::Result result = setup.ctl.run(arguments);
        QCOMPARE(result.exitCode, 64);
        QCOMPARE(result.out, QString());
        QCOMPARE(lines(result.err).size(), 1);
        QVERIFY(result.err.startsWith("lodestar-ctl: "));
        QVERIFY(!result.err.contains(kPassword));
        QVERIFY(!setup.simulator.output().contains("request:"));
    }

    // Every command once, in the order a deployment script runs them.
    void commandsSucceedInTurn()
    {
        Setup setup;
        QVERIFY(setup.simulator.start());
        CtlRunner &ctl = setup.ctl;

        CtlRunner::Result result = ctl.run({"status", "--json"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(jsonOf(result.out)["state"].toString(), QStringLiteral("ldap_settings_required"));

        result = ctl.run(kLdapSet + QStringList{"--ldaps"}, kPassword + '\n');
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("LDAP settings saved.\n"));
        QCOMPARE(result.err, QString());

        result = ctl.run({"ldap", "get"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("LDAP local IP: 10.0.0.5\nBase DN: dc=example,dc=test\n"
                                            "Bind DN: cn=admin,dc=example,dc=test\nPort: 389\nProtocol: LDAPS\n"));
        result = ctl.run({"ldap", "get", "--json"});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject settings = jsonOf(result.out);
        QCOMPARE(settings["host"].toString(), QStringLiteral("10.0.0.5"));
        QCOMPARE(settings["port"].toString(), QStringLiteral("389"));
        QCOMPARE(settings["ldaps"].toBool(), true);
        QVERIFY(!settings.contains("password"));

        result = ctl.run({"status", "--json"});
        QCOMPARE(jsonOf(result.out)["state"].toString(), QStringLiteral("registration_required"));

        result = ctl.run(kRegister, kConnectKey.toUtf8() + '\n');
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Approval Required\nThis server is connected, requiring your approval "
                                            "in the Aerum Identity admin portal.\n"));

        result = ctl.run({"reset", "--yes"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("LDAP settings reset.\n"));
        QVERIFY(setup.simulator.command("status", "has_config: no"));
    }

    // The human text is the summary page's; the JSON carries the details.
    void statusReportsWhatTheSummaryPageShows_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("firstLines");
        QTest::addColumn<bool>("quotaExceeded");
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<bool>("ldapReachable");
        const QString connected = QStringLiteral(
            "Connected!\nThis server is connected to Aerum Identity. Go to the Aerum Identity admin portal "
            "(https://portal.aerum-identity.example/admin/ldap-sync) to assign domain users access to cloud and "
            "on-prem resources.");
        QTest::newRow("approval required") << QStringList{} << "approval_required"
                                           << "Approval Required\nThis server is connected, requiring your "
                                              "approval in the Aerum Identity admin portal."
                                           << false << false << true;
        QTest::newRow("connected") << QStringList{"approve"} << "connected" << connected << false << false << true;
        QTest::newRow("quota exceeded")
            << QStringList{"approve", "quota on"} << "connected"
            << connected + "\nSyncing failed because user, group, or license limits may have been reached. To "
                           "resolve this issue, remove unused resources in Aerum Identity or your LDAP server, "
                           "or upgrade your plan to increase the quotas."
            << true << false << true;
        // Restricted mode outranks the quota, as on the page.
        QTest::newRow("restricted") << QStringList{"approve", "quota on", "restrict on"} << "connected"
                                    << connected + "\nYour Aerum Identity is in restricted mode. To resume the "
                                                   "connection, adjust your quotas in the admin portal."
                                    << true << true << true;
        QTest::newRow("ldap server offline")
            << QStringList{"approve", "ldap-down"} << "ldap_server_offline"
            << "Couldn't connect to the LDAP server\nThe server was last connected at %ldap. To restore the "
               "connection, try the following:\n- Check if your network connection is working properly.\n- Edit "
               "your connection settings.\n- Reinstall the Aerum Identity LDAP Sync agent."
            << false << false << false;
        QTest::newRow("disconnected") << QStringList{"approve", "offline"} << "disconnected"
                                      << "Disconnected\nThe server last connected at %cloud. To restore the "
                                         "connection, check the network settings or reinstall Aerum Identity "
                                         "LDAP Sync on the server."
                                      << false << false << true;
    }
    void statusReportsWhatTheSummaryPageShows()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, state);
        QFETCH(QString, firstLines);
        QFETCH(bool, quotaExceeded);
        QFETCH(bool, restricted);
        QFETCH(bool, ldapReachable);
        Setup setup;
        QVERIFY(setup.simulator.start());
        QVERIFY(setup.registered());
        for (const QString &command : commands)
            QVERIFY(setup.simulator.command(command));

        const CtlRunner::Result json = setup.ctl.run({"status", "--json"});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject report = jsonOf(json.out);
        QCOMPARE(report["state"].toString(), state);
        QCOMPARE(report["quota_exceeded"].toBool(), quotaExceeded);
        QCOMPARE(report["restricted"].toBool(), restricted);
        QCOMPARE(report["ldap_server_reachable"].toBool(), ldapReachable);
        QCOMPARE(report["admin_portal"].toString(), QStringLiteral("https://portal.aerum-identity.example/admin/ldap-sync"));
        // Times as the agent formats them.
        const QRegularExpression agentTime("^\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$");
        QVERIFY(agentTime.match(report["last_contact"].toString()).hasMatch());
        QVERIFY(agentTime.match(report["last_ldap_contact"].toString()).hasMatch());

        const CtlRunner::Result human = setup.ctl.run({"status"});
        QCOMPARE(human.exitCode, 0);
        firstLines.replace("%cloud", report["last_contact"].toString());
        firstLines.replace("%ldap", report["last_ldap_contact"].toString());
        QVERIFY2(human.out.startsWith(firstLines + "\n\n"), qPrintable(human.out));
        QCOMPARE(report["title"].toString() + '\n' + report["description"].toString()
                     + (report["warning"].toString().isEmpty() ? QString() : '\n' + report["warning"].toString()),
                 firstLines);
        QVERIFY(human.out.contains(QStringLiteral("Quota exceeded: %1\n").arg(quotaExceeded ? "yes" : "no")));
        QVERIFY(human.out.contains(QStringLiteral("Restricted mode: %1\n").arg(restricted ? "yes" : "no")));
        QVERIFY(human.out.contains(QStringLiteral("LDAP server: %1, last contact ")
                                       .arg(ldapReachable ? "reachable" : "unreachable")));
    }

    // The agent's words for the field, and the option the value came from.
    void serviceRefusalsArePrintedAsTheAgentWordsThem_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("error");
        const auto ldapSet = [](int replaced, const QString &value) {
            QStringList arguments = kLdapSet;
            arguments[replaced] = value;
            return arguments;
        };
        QTest::newRow("host") << QStringList{} << ldapSet(3, "") << kPassword
                              << "LDAP local IP: This field is required. (--host)";
        QTest::newRow("base dn") << QStringList{} << ldapSet(5, "") << kPassword
                                 << "Base DN: This field is required. (--base-dn)";
        QTest::newRow("bind dn") << QStringList{} << ldapSet(7, "") << kPassword
                                 << "Bind DN: This field is required. (--bind-dn)";
        QTest::newRow("password") << QStringList{} << kLdapSet << QByteArray("\n")
                                  << "Bind DN password: This field is required. (--password-stdin or --password-file)";
        QTest::newRow("port") << QStringList{} << ldapSet(9, "65536") << kPassword
                              << "Port: This field is required. (--port)";
        QTest::newRow("ldap server unreachable")
            << QStringList{} << ldapSet(3, "ldap.invalid") << kPassword
            << "Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP "
               "information.";
        QTest::newRow("no settings to get") << QStringList{} << QStringList{"ldap", "get"} << QByteArray()
                                            << "the service refused get_ldap_info: LDAP settings are not configured";
        QTest::newRow("display name") << QStringList{} << QStringList{"register", "--name", "", "--key-stdin"}
                                      << kConnectKey.toUtf8() << "Server display name: This field is required. (--name)";
        QTest::newRow("connect key empty") << QStringList{} << kRegister << QByteArray()
                                           << "Connect key: This field is required. (--key-stdin or --key-file)";
        QTest::newRow("connect key wrong") << QStringList{} << kRegister << QByteArray("KEY-0")
                                           << "Connect key: The connect key is invalid. (--key-stdin or --key-file)";
        QTest::newRow("register failed") << QStringList{"offline"} << kRegister << kConnectKey.toUtf8()
                                         << "The service cannot be activated normally. Please reboot your device and "
                                            "try again. If the problem remains, please contact Velmora Technical "
                                            "Support.";
        QTest::newRow("restricted tenant") << QStringList{"restrict on"} << kRegister << kConnectKey.toUtf8()
                                           << "Your Aerum Identity is in restricted mode. To resume the connection, "
                                              "adjust your quotas in the admin portal.";
    }
    void serviceRefusalsArePrintedAsTheAgentWordsThem()
    {
        QFETCH(QStringList, commands);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, error);
        Setup setup;
        QVERIFY(setup.simulator.start());
        if (arguments.first() == "register")
            QCOMPARE(setup.ctl.run(kLdapSet, kPassword).exitCode, 0);
        for (const QString &command : commands)
            QVERIFY(setup.simulator.command(command));
        const CtlRunner::Result result = setup.ctl.run(arguments, input);
        QCOMPARE(result.err, "lodestar-ctl: " + error + '\n');
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
    }

    // Hostile or absent services, over the real socket.
    void serviceFailuresHaveTheirExitCodes_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QByteArray>("rawReply"); // served by a raw peer instead of the simulator
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QByteArray marker(Frame::kEndMarker);
        QTest::newRow("not running") << QStringList{"none"} << QByteArray() << 3 << "is unavailable";
        // The wait is cut to one second: the agent's 18 s are tested with the channel.
        QTest::newRow("silent") << QStringList{"never-reply"} << QByteArray() << 3 << "did not answer within 1 s";
        QTest::newRow("not json") << QStringList{"not-json"} << QByteArray() << 5 << "could not be understood";
        QTest::newRow("empty reason") << QStringList{"empty-reason"} << QByteArray() << 2
                                      << "the service refused get_connection_status: \n";
        QTest::newRow("raw: not json") << QStringList{} << QByteArray("<html>busy</html>" + marker) << 5
                                       << "sent a reply that could not be understood";
        QTest::newRow("raw: array") << QStringList{} << QByteArray("[1,2]" + marker) << 5
                                    << "sent a reply that could not be understood";
        QTest::newRow("raw: success not a boolean")
            << QStringList{} << QByteArray("{\"success\":\"yes\",\"data\":{}}" + marker) << 5
            << "reply to get_connection_status could not be understood";
        QTest::newRow("raw: status of wrong types")
            << QStringList{} << QByteArray("{\"success\":true,\"data\":{\"ready\":1,\"has_config\":\"no\"}}" + marker)
            << 5 << "reply to get_connection_status could not be understood";
        QTest::newRow("raw: hangs up before the marker") << QStringList{} << QByteArray("{\"success\":true") << 3
                                                         << "is unavailable";
        QTest::newRow("raw: empty reply") << QStringList{} << marker << 3 << "is unavailable";
    }
    void serviceFailuresHaveTheirExitCodes()
    {
        QFETCH(QStringList, faults);
        QFETCH(QByteArray, rawReply);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QStringList arguments;
        for (const QString &fault : faults)
            if (fault != "none")
                arguments << "--fault" << fault;
        Setup setup(arguments);
        std::unique_ptr<RawPeer> peer;
        if (faults.isEmpty()) {
            peer = std::make_unique<RawPeer>(setup.simulator.endpoint(), rawReply);
            QVERIFY(peer->isListening());
        } else if (faults.first() != "none") {
            QVERIFY(setup.simulator.start());
        }
        const CtlRunner::Result result = setup.ctl.run({"status", "--reply-timeout", "1"});
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(lines(result.err).size(), 1);
        QVERIFY2(result.err.contains(error), qPrintable(result.err));
        QCOMPARE(result.out, QString());
    }

    // Root reaches any socket: the refusal needs lodestar-ctl run as another user.
    void refusedUserGetsAccessDenied()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to run lodestar-ctl as the unprivileged user nobody");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv is not installed");
        Setup setup({"--owner-only"});
        const QString folder = QFileInfo(setup.simulator.endpoint()).path();
        QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther));
        QVERIFY(setup.simulator.start());

        QProcess process;
        setup.ctl.start(process, {"--reuid=nobody", "--regid=nogroup", "--clear-groups", LODESTAR_CTL, "status"},
                        setpriv);
        process.closeWriteChannel();
        const CtlRunner::Result result = CtlRunner::finish(process);
        QCOMPARE(result.exitCode, 4);
        QVERIFY(result.err.contains("access to the service at " + setup.simulator.endpoint() + " was denied"));
        QCOMPARE(setup.ctl.run({"status"}).exitCode, 0);
    }

    void waitApprovedEndsWithTheApproval()
    {
        Setup setup;
        QVERIFY(setup.simulator.start());
        QCOMPARE(setup.ctl.run(kLdapSet, kPassword).exitCode, 0);
        QProcess process;
        setup.ctl.start(process, kRegister + QStringList{"--wait-approved", "120", "--poll-interval", "1"});
        process.write(kConnectKey.toUtf8());
        process.closeWriteChannel();
        // Registered and waiting: only now is the server approved.
        QString printed;
        QVERIFY(QTest::qWaitFor([&] {
            printed += QString::fromUtf8(process.readAllStandardOutput());
            return printed.contains("Approval Required\n") || process.state() == QProcess::NotRunning;
        }, 60000));
        QVERIFY(setup.simulator.command("approve"));
        const CtlRunner::Result result = CtlRunner::finish(process);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2((printed + result.out).contains("\nConnected!\nThis server is connected to Aerum Identity."),
                 qPrintable(printed + result.out));
        QCOMPARE(result.err, QString());
    }

    void waitApprovedGivesUpWhenTheTimeRunsOut()
    {
        Setup setup;
        QVERIFY(setup.simulator.start());
        QCOMPARE(setup.ctl.run(kLdapSet, kPassword).exitCode, 0);
        const CtlRunner::Result result = setup.ctl.run(
            kRegister + QStringList{"--wait-approved", "1", "--poll-interval", "1"}, kConnectKey.toUtf8());
        QCOMPARE(result.exitCode, 3);
        QVERIFY(result.out.startsWith("Approval Required\n"));
        QCOMPARE(result.err,
                 QStringLiteral("lodestar-ctl: the server was not approved within 1 s (last state: approval_required)\n"));
        // Asked again at the deadline, not only at the start.
        QVERIFY(setup.simulator.output().count("request: get_connection_status") >= 2);
    }

    // Not on the command line, not in the environment, not printed, not logged:
    // neither on success nor when the service rejects the rest of the values.
    void secretsStayOutOfArgvOutputAndLogs()
    {
        Setup setup;
        QVERIFY(setup.simulator.start());
        QTemporaryDir dir;
        const QString keyFile = secretFile(dir, kConnectKey.toUtf8() + '\n', QFile::ReadOwner | QFile::WriteOwner);

        // While it waits for the password, everything another user can see of it is clean.
        QProcess waiting;
        setup.ctl.start(waiting, kLdapSet);
        const QString proc = QStringLiteral("/proc/%1/").arg(waiting.processId());
        for (const char *place : {"cmdline", "environ"}) {
            QFile file(proc + place);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(!file.readAll().contains(kPassword));
        }
        waiting.write(kPassword + '\n');
        waiting.closeWriteChannel();
        CtlRunner::Result result = CtlRunner::finish(waiting);
        QCOMPARE(result.exitCode, 0);
        QString printed = result.out + result.err;

        QStringList rejected = kLdapSet;
        rejected[9] = "0";
        result = setup.ctl.run(rejected, kPassword);
        QCOMPARE(result.exitCode, 2);
        printed += result.out + result.err;
        for (const QStringList &arguments :
             {QStringList{"register", "--name", "srv", "--key-file", keyFile}, QStringList{"ldap", "get"},
              QStringList{"status", "--json"}}) {
            result = setup.ctl.run(arguments);
            QCOMPARE(result.exitCode, 0);
            printed += result.out + result.err;
        }
        QVERIFY(printed.contains("Approval Required"));
        QVERIFY(setup.simulator.command("status", "password (set)"));

        const QString log = setup.ctl.logText();
        QVERIFY(log.contains("ldap set: exit 2"));
        for (const QString &place : {printed, log, setup.simulator.output()}) {
            QVERIFY(!place.contains(kPassword));
            QVERIFY(!place.contains(kConnectKey));
        }
    }

    void secretFilesMustBeTheOwnersAlone_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const int ownerOnly = int(QFile::ReadOwner | QFile::WriteOwner);
        QTest::newRow("owner only") << ownerOnly << QString() << 0 << QString();
        QTest::newRow("owner read only") << int(QFile::ReadOwner) << QString() << 0 << QString();
        QTest::newRow("readable by others") << (ownerOnly | int(QFile::ReadOther)) << QString() << 64
                                            << "can be read or written by others";
        QTest::newRow("readable by the group") << (ownerOnly | int(QFile::ReadGroup)) << QString() << 64
                                               << "can be read or written by others";
        QTest::newRow("writable by the group") << (ownerOnly | int(QFile::WriteGroup)) << QString() << 64
                                               << "can be read or written by others";
        QTest::newRow("another owner") << ownerOnly << QStringLiteral("nobody") << 64 << "is not owned by this user";
        QTest::newRow("missing") << -1 << QString() << 64 << "cannot open the password file";
    }
    void secretFilesMustBeTheOwnersAlone()
    {
        QFETCH(int, mode);
        QFETCH(QString, owner);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QString path = secretFile(dir, kPassword, mode < 0 ? QFile::ReadOwner | QFile::WriteOwner : QFile::Permissions(mode));
        if (mode < 0)
            QFile::remove(path);
        if (!owner.isEmpty()) {
            const passwd *user = ::getpwnam(qPrintable(owner));
            if (::geteuid() != 0 || !user)
                QSKIP("needs root and the user nobody, to give the file away");
            QCOMPARE(::chown(qPrintable(path), user->pw_uid, user->pw_gid), 0);
        }
        Setup setup;
        QVERIFY(setup.simulator.start());
        QStringList arguments = kLdapSet.mid(0, kLdapSet.size() - 1);
        const CtlRunner::Result result = setup.ctl.run(arguments << "--password-file" << path);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(error), qPrintable(result.err));
        QVERIFY(!result.err.contains(kPassword));
        // A refused file is never sent.
        QCOMPARE(setup.simulator.output().contains("request: set_ldap_info"), exitCode == 0);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestCtl)
#include "test-ctl.moc"
