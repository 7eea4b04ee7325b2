#include <QtTest>

#include "test-main.h"

#include "channel-test-support.h"
#include "unix-connection.h"

#include <thread>

using namespace ChannelHarness;
using namespace ChannelTest;

namespace {

const QByteArray kMarker = "^^2552*1814^^";

// The agent's end of a fresh socket pair, with a short wait budget so that a
// silent peer costs a few polls, not 18 seconds.
struct Pair
{
    Socket ours, peer;
    UnixConnection connection;
    Pair()
    {
        socketPair(ours, peer);
        connection.setHandle(ours.fd);
        connection.setMaxWaits(3);
    }
};

} // namespace

class TestUnixConnection : public QObject
{
    Q_OBJECT
private slots:
    void send_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("empty payload is the marker alone") << QByteArray();
        QTest::newRow("status request") << QByteArray("{\"action\":\"get_connection_status\"}\n");
        // More than the socket buffer holds: the write has to wait for the reader.
        QTest::newRow("larger than the socket buffer") << QByteArray(4 << 20, 'p');
    }
    void send()
    {
        QFETCH(QByteArray, payload);
        Pair pair;
        pair.connection.setMaxWaits(Frame::kDefaultMaxWaits);
        QByteArray seen;
        std::thread reader([&] { seen = readExactly(pair.peer.fd, payload.size() + kMarker.size()); });
        const int result = pair.connection.send(bytes(payload));
        reader.join();
        QCOMPARE(result, payload.size());
        QVERIFY(seen == payload + kMarker);
    }

    void sendToAPeerThatHasGoneFails()
    {
        const LogCapture log;
        Pair pair;
        pair.peer.close();
        QCOMPARE(pair.connection.send(bytes("{}")), -1);
        QCOMPARE(log.count(QByteArray("WriteFile ") + QByteArray::number(EPIPE)), 1);
    }

    // Everything the peer sends is written before recv starts: where it is cut
    // into reads of 1023 bytes is then fixed, not a matter of timing.
    void recv_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("message");
        const QByteArray reply = "{\"success\":true}\n";
        QTest::newRow("marker only") << kMarker << 0 << QByteArray();
        QTest::newRow("one small reply") << reply + kMarker << reply.size() << reply;
        for (int length : {1010, 1011, 1020, 1022, 1023}) {
            const QByteArray payload(length, 'x');
            QTest::addRow("marker ends at byte %d", length + 13) << payload + kMarker << length << payload;
        }
        const QByteArray large(5000, 'L');
        QTest::newRow("reply of several chunks") << large + kMarker << large.size() << large;
        const QByteArray falseStart = QByteArray(1015, 'f') + "^^2552*1" + "9";
        QTest::newRow("part of a marker at a chunk end, the real one after")
            << falseStart + kMarker << falseStart.size() << falseStart;
        QTest::newRow("bytes after the marker are dropped")
            << reply + kMarker + "{\"next\":1}" + kMarker << reply.size() << reply;
    }
    void recv()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, result);
        QFETCH(QByteArray, message);
        Pair pair;
        QVERIFY(writeAll(pair.peer.fd, stream));
        std::vector<char> received;
        QCOMPARE(pair.connection.recv(received), result);
        QCOMPARE(QByteArray(received.data(), int(received.size())), message);
    }

    void peerHangingUpBeforeTheMarkerFails()
    {
        const LogCapture log;
        Pair pair;
        QVERIFY(writeAll(pair.peer.fd, "{\"success\":tr"));
        pair.peer.close();
        std::vector<char> received;
        QCOMPARE(pair.connection.recv(received), -1);
        QCOMPARE(log.count(QByteArray("ReadFile ") + QByteArray::number(EPIPE)), 1);
    }

    void silentPeerIsGivenUpAfterTheWaitBudget()
    {
        const LogCapture log;
        Pair pair;
        QVERIFY(writeAll(pair.peer.fd, "{\"partial\""));
        std::vector<char> received;
        QCOMPARE(pair.connection.recv(received), -1);
        QCOMPARE(log.count("cancel due to timeout 1 0"), 1);
        QCOMPARE(log.text().count('\n'), 1);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestUnixConnection)
#include "test-unix-connection.moc"
