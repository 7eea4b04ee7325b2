#include <QtTest>

#include "test-main.h"

#include "channel-test-support.h"
#include "frame-stream.h"

using namespace ChannelHarness;
using namespace ChannelTest;

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void markerIsTheAgreedThirteenBytes()
    {
        QCOMPARE(QByteArray(Frame::kEndMarker, int(Frame::kMarkerSize)),
                 QByteArray::fromHex("5E5E323535322A313831345E5E"));
        const std::vector<char> empty = Frame::framed("", 0);
        QCOMPARE(QByteArray(empty.data(), int(empty.size())), QByteArray("^^2552*1814^^"));
    }

    // `from` says how much was searched before; the answer must be what a
    // search of the whole buffer gives.
    void findEndMarker_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("expected");
        const QByteArray m = "^^2552*1814^^";
        QTest::newRow("absent") << QByteArray("{\"a\":1}") << 0 << -1;
        QTest::newRow("shorter than the marker") << QByteArray("^^2552") << 0 << -1;
        QTest::newRow("marker only") << m << 0 << 0;
        QTest::newRow("after a payload") << ("abc" + m) << 0 << 3;
        QTest::newRow("first of two") << ("ab" + m + "cd" + m) << 0 << 2;
        QTest::newRow("incomplete marker is not one") << QByteArray("ab^^2552*1814^") << 0 << -1;
        QTest::newRow("starts 12 bytes before the new bytes") << ("abc" + m) << 15 << 3;
        QTest::newRow("starts 1 byte before the new bytes") << ("abc" + m) << 4 << 3;
        QTest::newRow("starts in the new bytes") << ("abc" + m) << 3 << 3;
        QTest::newRow("false start before a real one")
            << ("x^^2552*18" + QByteArray("9") + m) << 10 << 11;
    }
    void findEndMarker()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(int, from);
        QFETCH(int, expected);
        QCOMPARE(int(Frame::findEndMarker(buffer.constData(), std::size_t(buffer.size()), std::size_t(from))),
                 expected);
    }

    // A stream that reports success but takes nothing must not hold the
    // sender forever: it is given up after the wait budget, and said so.
    void writesThatMoveNothingAreGivenUp()
    {
        const LogCapture log;
        int attempts = 0;
        const int result = Frame::sendFrame(bytes("payload"), 5, [&](const char *, std::size_t) -> long {
            ++attempts;
            return 0;
        });
        QCOMPARE(result, -1);
        QCOMPARE(attempts, 5);
        QCOMPARE(log.count("write moved no bytes 5 times"), 1);
    }

    // Only consecutive empty writes count: progress renews the budget.
    void progressRenewsTheStallBudget()
    {
        int calls = 0;
        QByteArray written;
        const int result = Frame::sendFrame(bytes("abcdef"), 2, [&](const char *data, std::size_t) -> long {
            if (++calls % 2)
                return 0;
            written.append(data, 1);
            return 1;
        });
        QCOMPARE(result, 6);
        QCOMPARE(written, QByteArray("abcdef^^2552*1814^^"));
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestFrame)
#include "test-frame.moc"
