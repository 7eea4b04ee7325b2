#include <QtTest>

#include "test-main.h"

#include "channel-test-support.h"
#include "service-simulator.h"
#include "unix-connection.h"

using namespace ChannelHarness;
using namespace ChannelTest;

namespace {

const char kKey[] = "KEY-1234";

Json::Value ldapSettings()
{
    Json::Value request;
    request["action"] = "set_ldap_info";
    Json::Value &data = request["data"];
    data["host"] = "ldap.example.com";
    data["basedn"] = "dc=example,dc=com";
    data["binddn"] = "cn=admin,dc=example,dc=com";
    data["password"] = "s3cret-pass";
    data["port"] = "389";
    data["isLdaps"] = false;
    return request;
}

Json::Value registration(const char *name, const char *key)
{
    Json::Value request;
    request["action"] = "register";
    request["data"]["serverDisplayName"] = name;
    request["data"]["connectKey"] = key;
    return request;
}

Json::Value plain(const char *action)
{
    Json::Value request;
    request["action"] = action;
    return request;
}

QString reasonOf(const Json::Value &reply)
{
    return QString::fromStdString(reply["data"]["reason"].asString());
}

// The agent's side of the channel to a running simulator, over the real transport.
class Client
{
public:
    explicit Client(const QString &endpoint, int maxWaits = Frame::kDefaultMaxWaits)
        : socket(connectTo(endpoint))
    {
        connection.setHandle(socket.fd);
        connection.setMaxWaits(maxWaits);
    }
    bool connected() const { return socket.fd >= 0; }

    // The reply, or a null value when the exchange failed.
    Json::Value ask(const Json::Value &request)
    {
        Json::Value reply;
        lastResult = exchange(connection, request, &reply);
        return reply;
    }
    Json::Value status() { return ask(plain("get_connection_status"))["data"]; }

    int lastResult = 0;
    UnixConnection connection;

private:
    Socket socket;
};

} // namespace

class TestSyncServiceSim : public QObject
{
    Q_OBJECT
private:
    ServiceSimulator shared{{"--connect-key", kKey}};

private slots:
    void initTestCase() { QVERIFY(shared.start()); }

    void ldapSettingsAreValidated_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("reason");
        QTest::newRow("valid") << "port" << "636" << "";
        QTest::newRow("empty host") << "host" << "" << "Host is invalid";
        QTest::newRow("empty base DN") << "basedn" << "" << "Basedn is invalid";
        QTest::newRow("empty bind DN") << "binddn" << "" << "Binddn is invalid";
        QTest::newRow("empty password") << "password" << "" << "Password is invalid";
        QTest::newRow("port 0") << "port" << "0" << "Port is invalid";
        QTest::newRow("port 65536") << "port" << "65536" << "Port is invalid";
        QTest::newRow("port not a number") << "port" << "38a" << "Port is invalid";
        QTest::newRow("unreachable host") << "host" << "dc01.invalid" << "request error";
    }
    void ldapSettingsAreValidated()
    {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, reason);
        Client client(shared.endpoint());
        Json::Value request = ldapSettings();
        request["data"][member.toStdString()] = value.toStdString();
        const Json::Value reply = client.ask(request);
        QCOMPARE(reply["success"].asBool(), reason.isEmpty());
        QCOMPARE(reasonOf(reply), reason);
        QCOMPARE(QString::fromStdString(reply["action"].asString()), QString("set_ldap_info"));
    }

    void configureRegisterApproveAndTheStatusVariants()
    {
        ServiceSimulator simulator({"--connect-key", kKey});
        QVERIFY(simulator.start());
        Client client(simulator.endpoint());

        Json::Value status = client.status();
        QCOMPARE(status["ready"].asBool(), false);
        QCOMPARE(status["has_config"].asBool(), false);
        QCOMPARE(reasonOf(client.ask(registration("Server 1", kKey))), QString("register failed"));

        QVERIFY(client.ask(ldapSettings())["success"].asBool());
        status = client.status();
        QCOMPARE(status["has_config"].asBool(), true);
        QCOMPARE(status["device_status"].asString(), std::string("init"));
        QCOMPARE(status["ready"].asBool(), false);

        const Json::Value stored = client.ask(plain("get_ldap_info"));
        QCOMPARE(stored["data"]["host"].asString(), std::string("ldap.example.com"));
        QCOMPARE(stored["data"]["port"].asString(), std::string("389"));
        QCOMPARE(stored["data"]["isLdaps"].asBool(), false);
        QVERIFY(!stored["data"].isMember("password"));

        QCOMPARE(reasonOf(client.ask(registration("", kKey))), QString("Server display name is invalid"));
        QCOMPARE(reasonOf(client.ask(registration("Server 1", "wrong"))), QString("Connect key is invalid"));
        QVERIFY(client.ask(registration("Server 1", kKey))["success"].asBool());
        status = client.status();
        QCOMPARE(status["device_status"].asString(), std::string("staged"));
        QCOMPARE(status["ready"].asBool(), true);

        QVERIFY(simulator.command("approve"));
        status = client.status();
        QCOMPARE(status["device_status"].asString(), std::string("approved"));
        QCOMPARE(status["ready"].asBool(), true);
        QCOMPARE(status["ldap_unreachable"].asBool(), false);

        QVERIFY(simulator.command("ldap-down"));
        status = client.status();
        QCOMPARE(status["ldap_unreachable"].asBool(), true);
        QVERIFY(!status["last_ldap_connect_time"].asString().empty());
        QCOMPARE(reasonOf(client.ask(ldapSettings())), QString("request error"));
        QVERIFY(simulator.command("ldap-up"));

        QVERIFY(simulator.command("quota on"));
        QCOMPARE(client.status()["quota_exceeded"].asBool(), true);

        QVERIFY(simulator.command("restrict on"));
        status = client.status();
        QCOMPARE(status["restriction_mode"].asBool(), true);
        QCOMPARE(status["device_status"].asString(), std::string("restricted"));
        QCOMPARE(reasonOf(client.ask(registration("Server 1", kKey))), QString("restriction_mode"));
        QVERIFY(simulator.command("restrict off"));
        QCOMPARE(client.status()["device_status"].asString(), std::string("approved"));

        QVERIFY(simulator.command("offline"));
        status = client.status();
        QCOMPARE(status["ready"].asBool(), false);
        bool isNumber = false;
        QString::fromStdString(status["last_connect_time"].asString()).toLongLong(&isNumber);
        QVERIFY(isNumber);
        QVERIFY(simulator.command("online"));
        QCOMPARE(client.status()["ready"].asBool(), true);

        QVERIFY(simulator.command("remove"));
        status = client.status();
        QCOMPARE(status["device_status"].asString(), std::string("removed"));
        QCOMPARE(status["ready"].asBool(), false);

        QVERIFY(client.ask(plain("reset_ldap_info"))["success"].asBool());
        QCOMPARE(client.status()["has_config"].asBool(), false);
        QCOMPARE(client.ask(plain("get_ldap_info"))["success"].asBool(), false);

        // The bind password travels in one request and is never printed.
        QVERIFY(simulator.command("status", "last_ldap_connect_time: "));
        QVERIFY(!simulator.output().contains("s3cret-pass"));
    }

    void approvesByItselfWhenAsked()
    {
        ServiceSimulator simulator({"--connect-key", kKey, "--approve-after", "0"});
        QVERIFY(simulator.start());
        Client client(simulator.endpoint());
        QVERIFY(client.ask(ldapSettings())["success"].asBool());
        QVERIFY(client.ask(registration("Server 1", kKey))["success"].asBool());
        QTRY_COMPARE(client.status()["device_status"].asString(), std::string("approved"));
    }

    void writesTheDomainFile()
    {
        ServiceSimulator simulator({"--portal-host", "portal.example.net"});
        QVERIFY(simulator.start());
        QFile domain(QDir(simulator.dataDir()).filePath("domain"));
        QVERIFY(domain.open(QIODevice::ReadOnly));
        QCOMPARE(domain.readLine(), QByteArray("portal.example.net\n"));
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("secondWorks");
        QTest::newRow("marker split over two writes") << "split-marker" << "reply" << true;
        QTest::newRow("bytes after the marker") << "trailing-bytes" << "reply" << true;
        QTest::newRow("one byte at a time") << "drip" << "reply" << true;
        QTest::newRow("not JSON") << "not-json" << "not json" << true;
        QTest::newRow("empty reason") << "empty-reason" << "empty reason" << true;
        QTest::newRow("close after reply") << "close-after-reply" << "reply" << false;
        QTest::newRow("never reply") << "never-reply" << "nothing" << false;
    }
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, first);
        QFETCH(bool, secondWorks);
        ServiceSimulator simulator({"--fault", fault});
        QVERIFY(simulator.start());
        // A silent service is given up after a few waits instead of 18 seconds.
        Client client(simulator.endpoint(), fault == "never-reply" ? 3 : Frame::kDefaultMaxWaits);

        const Json::Value reply = client.ask(plain("get_connection_status"));
        if (first == "reply") {
            QVERIFY(reply["success"].asBool());
            QVERIFY(reply["data"].isMember("device_status"));
        } else if (first == "not json") {
            QVERIFY(client.lastResult > 0);
            QVERIFY(reply.isNull());
        } else if (first == "empty reason") {
            QCOMPARE(reply["success"].asBool(), false);
            QVERIFY(reply["data"]["reason"].isString());
            QCOMPARE(reasonOf(reply), QString());
        } else {
            QCOMPARE(client.lastResult, -1);
        }

        const Json::Value next = client.ask(plain("get_ldap_info"));
        QCOMPARE(client.lastResult > 0, secondWorks);
        if (secondWorks && first == "reply")
            QCOMPARE(QString::fromStdString(next["action"].asString()), QString("get_ldap_info"));
    }

    void deeplyNestedRequestIsRefused_data()
    {
        QTest::addColumn<QByteArray>("request");
        const QByteArray nested = QByteArray(5000, '[') + QByteArray(5000, ']');
        QTest::newRow("at the top") << nested;
        QTest::newRow("as data") << "{\"action\":\"register\",\"data\":" + nested + "}";
    }
    // JsonCpp throws on nesting this deep; it used to end the simulator.
    void deeplyNestedRequestIsRefused()
    {
        QFETCH(QByteArray, request);
        ServiceSimulator simulator;
        QVERIFY(simulator.start());
        Client client(simulator.endpoint());
        QCOMPARE(client.connection.send(bytes(request)), request.size());
        std::vector<char> reply;
        QVERIFY(client.connection.recv(reply) > 0);
        QCOMPARE(reasonOf(parseJson(reply)), QString("Invalid request"));
        QVERIFY(client.ask(plain("get_connection_status"))["success"].asBool());
    }

    void secondClientIsServedWhenTheFirstLeaves()
    {
        auto first = std::make_unique<Client>(shared.endpoint());
        QVERIFY(first->ask(plain("get_connection_status"))["success"].asBool());
        Client second(shared.endpoint());
        const std::vector<char> request = compactJson(plain("get_ldap_info"));
        QCOMPARE(second.connection.send(request), int(request.size()));
        first.reset();
        std::vector<char> reply;
        QVERIFY(second.connection.recv(reply) > 0);
        QCOMPARE(QString::fromStdString(parseJson(reply)["action"].asString()), QString("get_ldap_info"));
    }

    void badCommandLinesAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown fault") << QStringList{"--fault", "bogus"};
        QTest::newRow("negative approval delay") << QStringList{"--approve-after", "-1"};
        QTest::newRow("reply delay not a number") << QStringList{"--reply-delay", "soon"};
        QTest::newRow("stray argument") << QStringList{"stray"};
    }
    void badCommandLinesAreRefused()
    {
        QFETCH(QStringList, arguments);
        QProcess process;
        process.start(SYNC_SERVICE_SIM, arguments);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().startsWith("sync-service-sim: "));
    }

    void unknownConsoleCommandIsNamed()
    {
        QVERIFY(shared.command("approve now", "unknown command: approve now (try help)\n"));
    }

    void helpExplainsEveryCommandAndOption()
    {
        QProcess process;
        process.start(SYNC_SERVICE_SIM, {"--help"});
        QVERIFY(process.waitForFinished());
        const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
        for (const char *word : {"approve", "stage", "remove", "ldap-down", "ldap-up", "quota on|off",
                                 "restrict on|off", "offline", "online", "status", "quit", "--endpoint",
                                 "--data-dir", "--portal-host", "--connect-key", "--approve-after",
                                 "--reply-delay", "--owner-only", "--fault", "close-after-reply", "never-reply",
                                 "not-json", "split-marker", "trailing-bytes", "drip", "empty-reason"})
            QVERIFY2(help.contains(word), word);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestSyncServiceSim)
#include "test-sync-service-sim.moc"
