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
private slots:
    // Its sockets used to report their disconnection to a server whose members
    // had already been destroyed.
    void destroyedWithClientsConnected()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SimOptions options;
        options.endpoint = dir.filePath("service.sock");
        SimulatedService service("KEY", -1);
        auto server = std::make_unique<SimServer>(service, options);
        QString error;
        QVERIFY2(server->listen(&error), qPrintable(error));

        // One client being served with a reply on its way, one waiting its turn.
        QLocalSocket served;
        served.connectToServer(options.endpoint);
        QVERIFY(served.waitForConnected());
        Json::Value request;
        request["action"] = "get_connection_status";
        const std::vector<char> payload = compactJson(request);
        const std::vector<char> frame = Frame::framed(payload.data(), payload.size());
        served.write(frame.data(), qint64(frame.size()));
        QLocalSocket waiting;
        waiting.connectToServer(options.endpoint);
        QVERIFY(waiting.waitForConnected());
        QTRY_VERIFY(served.bytesAvailable() > 0);

        server.reset();
        QTRY_COMPARE(served.state(), QLocalSocket::UnconnectedState);
        QTRY_COMPARE(waiting.state(), QLocalSocket::UnconnectedState);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestSimServer)
#include "test-sim-server.moc"
