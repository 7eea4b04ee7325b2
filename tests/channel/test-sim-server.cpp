#include <QtTest>

#include "test-main.h"

#include <QLocalSocket>
#include <QTemporaryDir>

#include "channel-test-support.h"
#include "frame.h"
#include "sim-server.h"
#include "simulated-service.h"

#include <memory>

using namespace ChannelHarness;
using namespace ChannelTest;

// The simulator's server inside this process, as tests and demos that embed it use it.
class TestSimServer : public QObject
{
    Q_OBJECT
private:
    struct Running
    {
        QTemporaryDir dir;
        SimOptions options;
        SimulatedService service{"KEY", -1};
        std::unique_ptr<SimServer> server;
    };

    // A server on a private endpoint; null (after a failed check) when it cannot listen.
    static std::unique_ptr<Running> startServer()
    {
        auto running = std::make_unique<Running>();
        if (!running->dir.isValid())
            return nullptr;
        running->options.endpoint = running->dir.filePath("service.sock");
        running->server = std::make_unique<SimServer>(running->service, running->options);
        QString error;
        if (!running->server->listen(&error)) {
            qWarning("%s", qPrintable(error));
            return nullptr;
        }
        return running;
    }

    static void sendStatusRequest(QLocalSocket &socket)
    {
        Json::Value request;
        request["action"] = "get_connection_status";
        const std::vector<char> payload = compactJson(request);
        const std::vector<char> frame = Frame::framed(payload.data(), payload.size());
        socket.write(frame.data(), qint64(frame.size()));
    }

    static bool hasWholeReply(QLocalSocket &socket, QByteArray &received)
    {
        received += socket.readAll();
        return Frame::findEndMarker(received.constData(), std::size_t(received.size())) >= 0;
    }

private slots:
    // The agent keeps its connection open while it runs; a script beside it
    // must still be answered, and the agent after it.
    void servesClientsAtOnce()
    {
        const std::unique_ptr<Running> running = startServer();
        QVERIFY(running);
        QLocalSocket agent;
        agent.connectToServer(running->options.endpoint);
        QVERIFY(agent.waitForConnected());
        QLocalSocket script;
        script.connectToServer(running->options.endpoint);
        QVERIFY(script.waitForConnected());

        sendStatusRequest(script);
        QByteArray scriptReply;
        QTRY_VERIFY(hasWholeReply(script, scriptReply));
        QCOMPARE(agent.state(), QLocalSocket::ConnectedState);

        sendStatusRequest(agent);
        QByteArray agentReply;
        QTRY_VERIFY(hasWholeReply(agent, agentReply));
        QCOMPARE(agentReply, scriptReply);
    }

    // Its sockets used to report their disconnection to a server whose members
    // had already been destroyed.
    void destroyedWithClientsConnected()
    {
        std::unique_ptr<Running> running = startServer();
        QVERIFY(running);

        // One client with a reply on its way, one idle.
        QLocalSocket served;
        served.connectToServer(running->options.endpoint);
        QVERIFY(served.waitForConnected());
        sendStatusRequest(served);
        QLocalSocket idle;
        idle.connectToServer(running->options.endpoint);
        QVERIFY(idle.waitForConnected());
        QTRY_VERIFY(served.bytesAvailable() > 0);

        running->server.reset();
        QTRY_COMPARE(served.state(), QLocalSocket::UnconnectedState);
        QTRY_COMPARE(idle.state(), QLocalSocket::UnconnectedState);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestSimServer)
#include "test-sim-server.moc"
