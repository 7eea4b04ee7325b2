#include <QtTest>

#include "test-main.h"

#include "channel-test-support.h"
#include "service-simulator.h"
#include "frame.h"
#include "service-communicator.h"
#include "service-requests.h"

#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace ChannelHarness;
using namespace ChannelTest;

namespace {

struct Outcome
{
    enum Kind { Done, Failed, Unavailable } kind;
    const QObject *sender = nullptr;
    Json::Value response;
    cmError error = cmNoError;
};

// JSON arrays nested `depth` deep: "[[[...]]]".
QByteArray nested(int depth)
{
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

Json::Value request(const char *action)
{
    Json::Value value;
    value["action"] = action;
    return value;
}

// A ServiceCommunicator on a worker thread, fed and heard only through the
// signal hub, as the agent runs it.
class Channel
{
public:
    Channel() : communicator(new ServiceCommunicator)
    {
        communicator->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, communicator, &QObject::deleteLater);
        thread.start();
        GlobalConnecter *hub = GlobalConnecter::getInstance();
        QObject::connect(hub, &GlobalConnecter::sigQueryServiceDone, &listener,
                         [this](const QObject *sender, Json::Value response) {
                             outcomes.push_back({Outcome::Done, sender, response, cmNoError});
                         });
        QObject::connect(hub, &GlobalConnecter::sigQueryServiceFailed, &listener,
                         [this](cmError err) { outcomes.push_back({Outcome::Failed, nullptr, {}, err}); });
        QObject::connect(hub, &GlobalConnecter::sigQueryServiceUnavailable, &listener,
                         [this](const QObject *sender) {
                             outcomes.push_back({Outcome::Unavailable, sender, {}, cmUnavailable});
                         });
    }
    ~Channel()
    {
        thread.quit();
        thread.wait();
    }

    void ask(const Json::Value &value, const QObject *sender = nullptr)
    {
        emit GlobalConnecter::getInstance()->sigQueryService(sender ? sender : &listener, value);
    }

    std::vector<Outcome> outcomes;
    QObject listener;

private:
    QThread thread;
    ServiceCommunicator *communicator;
};

// A peer that answers every framed request with the same raw reply bytes.
class ScriptedPeer
{
public:
    explicit ScriptedPeer(const QByteArray &reply)
    {
        listening.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path().toLocal8Bit().constData(), sizeof address.sun_path);
        ::bind(listening.fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
        ::listen(listening.fd, 4);
        serving = std::thread([this, reply] { serve(reply); });
    }
    ~ScriptedPeer()
    {
        // Wakes the accept below.
        ::shutdown(listening.fd, SHUT_RDWR);
        serving.join();
    }
    QString path() const { return dir.filePath("peer.sock"); }

private:
    void serve(const QByteArray &reply)
    {
        for (;;) {
            Socket client(::accept(listening.fd, nullptr, nullptr));
            if (client.fd < 0)
                return;
            QByteArray inbox;
            char buffer[4096];
            ssize_t got;
            while ((got = ::recv(client.fd, buffer, sizeof buffer, 0)) > 0) {
                inbox.append(buffer, int(got));
                const int end = inbox.indexOf(Frame::kEndMarker);
                if (end < 0)
                    continue;
                inbox.remove(0, end + int(Frame::kMarkerSize));
                writeAll(client.fd, reply + Frame::kEndMarker);
            }
        }
    }

    QTemporaryDir dir;
    Socket listening;
    std::thread serving;
};

} // namespace

class TestServiceCommunicator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The client manager does this in the agent.
        qRegisterMetaType<cmError>("cmError");
    }

    void missingServiceIsUnavailableAndTheNextRequestOpensAgain()
    {
        const LogCapture log;
        ServiceSimulator simulator;
        qputenv("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint().toLocal8Bit());
        Channel channel;
        QObject asker;
        channel.ask(request("get_connection_status"), &asker);
        QTRY_COMPARE(channel.outcomes.size(), std::size_t(1));
        QCOMPARE(channel.outcomes[0].kind, Outcome::Unavailable);
        // The loss is addressed like a reply: to the one who asked.
        QCOMPARE(channel.outcomes[0].sender, &asker);
        QVERIFY(log.text().contains("Invalid handle\n"));
        QVERIFY(log.text().contains("connected failed\n"));

        QVERIFY(simulator.start());
        channel.ask(request("get_connection_status"));
        QTRY_COMPARE(channel.outcomes.size(), std::size_t(2));
        QCOMPARE(channel.outcomes[1].kind, Outcome::Done);
    }

    void serviceClosingAfterEachReplyCostsOneFailedExchange()
    {
        const LogCapture log;
        ServiceSimulator simulator({"--fault", "close-after-reply"});
        QVERIFY(simulator.start());
        qputenv("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint().toLocal8Bit());
        Channel channel;
        const Outcome::Kind expected[] = {Outcome::Done, Outcome::Unavailable, Outcome::Done};
        for (std::size_t i = 0; i < 3; ++i) {
            channel.ask(request("get_connection_status"));
            QTRY_COMPARE(channel.outcomes.size(), i + 1);
            QCOMPARE(channel.outcomes[i].kind, expected[i]);
        }
        QVERIFY(log.text().contains("recv failed or channel closed (") || log.text().contains("protocol failed "));
    }

    void replyThatIsNotJsonFailsAndKeepsTheConnection()
    {
        const LogCapture log;
        ServiceSimulator simulator({"--fault", "not-json"});
        QVERIFY(simulator.start());
        qputenv("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint().toLocal8Bit());
        Channel channel;
        for (std::size_t i = 0; i < 2; ++i) {
            channel.ask(request("get_connection_status"));
            QTRY_COMPARE(channel.outcomes.size(), i + 1);
            QCOMPARE(channel.outcomes[i].kind, Outcome::Failed);
            QCOMPARE(channel.outcomes[i].error, cmParseFailed);
        }
        QCOMPARE(log.count("json parse failed\n"), 2);
        QCOMPARE(simulator.output().count("client connected"), 1);
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("success");
        QTest::newRow("another action is overwritten")
            << QByteArray("{\"action\":\"register\",\"success\":true}") << int(Outcome::Done) << true;
        QTest::newRow("a missing action is added") << QByteArray("{\"success\":true}") << int(Outcome::Done) << true;
        QTest::newRow("text after a zero byte is ignored")
            << QByteArray("{\"success\":true}\0{{{", 21) << int(Outcome::Done) << true;
        QTest::newRow("not JSON") << QByteArray("<html>busy</html>") << int(Outcome::Failed) << false;
        // Such a reply cannot carry the request's action; setting one would throw.
        QTest::newRow("JSON array") << QByteArray("[1,2]") << int(Outcome::Failed) << false;
        QTest::newRow("JSON string") << QByteArray("\"ok\"") << int(Outcome::Failed) << false;
        // JsonCpp throws on nesting this deep; it used to end the agent from the worker thread.
        QTest::newRow("5000 nested arrays") << nested(5000) << int(Outcome::Failed) << false;
        QTest::newRow("5000 nested arrays as data")
            << "{\"success\":true,\"data\":" + nested(5000) + "}" << int(Outcome::Failed) << false;
        QTest::newRow("nesting a reply may have")
            << "{\"success\":true,\"data\":" + nested(30) + "}" << int(Outcome::Done) << true;
    }
    void replies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, kind);
        QFETCH(bool, success);
        const LogCapture log;
        ScriptedPeer peer(reply);
        qputenv("LODESTAR_SERVICE_ENDPOINT", peer.path().toLocal8Bit());
        Channel channel;
        // Twice: a reply the agent cannot use must not cost the connection either.
        for (std::size_t i = 0; i < 2; ++i) {
            channel.ask(request("get_ldap_info"));
            QTRY_COMPARE(channel.outcomes.size(), i + 1);
            const Outcome &outcome = channel.outcomes[i];
            QCOMPARE(int(outcome.kind), kind);
            if (outcome.kind == Outcome::Failed) {
                QCOMPARE(outcome.error, cmParseFailed);
                continue;
            }
            QCOMPARE(QString::fromStdString(outcome.response["action"].asString()), QString("get_ldap_info"));
            QCOMPARE(outcome.response["success"].asBool(), success);
        }
        // One line for each failed exchange, nothing for a good one.
        QCOMPARE(log.text().count('\n'), kind == Outcome::Failed ? 2 : 0);
    }

    void quickRequestsAreAnsweredInOrderToTheirSenders()
    {
        ServiceSimulator simulator;
        QVERIFY(simulator.start());
        qputenv("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint().toLocal8Bit());
        Channel channel;
        QObject first, second;
        channel.ask(request("get_connection_status"), &first);
        channel.ask(request("get_ldap_info"), &second);
        QTRY_COMPARE(channel.outcomes.size(), std::size_t(2));
        QCOMPARE(channel.outcomes[0].sender, &first);
        QCOMPARE(QString::fromStdString(channel.outcomes[0].response["action"].asString()), QString("get_connection_status"));
        QVERIFY(channel.outcomes[0].response["data"].isMember("device_status"));
        QCOMPARE(channel.outcomes[1].sender, &second);
        QCOMPARE(QString::fromStdString(channel.outcomes[1].response["action"].asString()), QString("get_ldap_info"));
    }

    // Written as it was typed, the marker cut the request short: the service
    // answered its two halves, and every later reply came one request late.
    void textHoldingTheEndMarkerTravelsWhole()
    {
        ServiceSimulator simulator;
        QVERIFY(simulator.start());
        qputenv("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint().toLocal8Bit());
        Channel channel;
        const QString host = QString("dc01%1.example.com").arg(Frame::kEndMarker);
        channel.ask(setLdapInfoRequest(host, "dc=example", "cn=admin", "pass^^2552*1814^^word", "389", false));
        channel.ask(request("get_ldap_info"));
        channel.ask(request("get_connection_status"));
        QTRY_COMPARE(channel.outcomes.size(), std::size_t(3));
        for (const Outcome &outcome : channel.outcomes) {
            QCOMPARE(outcome.kind, Outcome::Done);
            QVERIFY(outcome.response["success"].asBool());
        }
        QCOMPARE(QString::fromStdString(channel.outcomes[1].response["data"]["host"].asString()), host);
        QVERIFY(channel.outcomes[2].response["data"]["has_config"].asBool());
    }

    // Root connects to any socket, so the refusal needs a client run as another user.
    void refusedUserGetsAccessDenied()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to run the client as the unprivileged user nobody");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv is not installed");
        ServiceSimulator simulator({"--owner-only"});
        const QString folder = QFileInfo(simulator.endpoint()).path();
        QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther));
        QVERIFY(simulator.start());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LODESTAR_SERVICE_ENDPOINT", simulator.endpoint());
        const auto probe = [&](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(program, arguments);
            process.waitForFinished();
            return process.readAllStandardOutput().trimmed();
        };
        // The owner itself is let in: the socket works, only the user differs.
        QCOMPARE(probe(CHANNEL_ACCESS_PROBE, {}), QByteArray("done"));
        QCOMPARE(probe(setpriv, {"--reuid=nobody", "--regid=nogroup", "--clear-groups", CHANNEL_ACCESS_PROBE}),
                 QByteArray("failed 2"));
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestServiceCommunicator)
#include "test-service-communicator.moc"
