#include <QtTest>

#include "test-main.h"

#include "get-status-worker.h"
#include "global-connecter.h"
#include "service-requests.h"

#include <mutex>

namespace {

// Takes the hub's requests on a thread of its own, where the service
// communicator would, and notes where each one arrived.
class RequestSink : public QObject
{
    Q_OBJECT
public:
    struct Arrival
    {
        const QObject *sender;
        Json::Value request;
        QThread *thread;
    };

    QList<Arrival> arrivals() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrivals;
    }

public slots:
    void slotQueryService(const QObject *sender, Json::Value request)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_arrivals.append({sender, request, QThread::currentThread()});
    }

private:
    // A standard mutex, which ThreadSanitizer sees; Qt's own is opaque to it.
    mutable std::mutex m_mutex;
    QList<Arrival> m_arrivals;
};

// A thread that is quit and waited for however the test ends.
class RunningThread : public QThread
{
public:
    RunningThread() { start(); }
    ~RunningThread() override
    {
        quit();
        wait();
    }
};

} // namespace

class TestGetStatusWorker : public QObject
{
    Q_OBJECT
private slots:
    void firstRequestAtConstruction()
    {
        QList<QPair<const QObject *, Json::Value>> requests;
        QObject context;
        connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService, &context,
                [&](const QObject *sender, Json::Value request) { requests.append({sender, request}); });
        GetStatusWorker worker;
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).first, &worker);
        QVERIFY(requests.at(0).second == statusRequest());
    }

    void pollsEveryTenSecondsByDefault()
    {
        GetStatusWorker worker;
        worker.startPolling();
        QVERIFY(worker.pollingTimer()->isActive());
        QVERIFY(!worker.pollingTimer()->isSingleShot());
        QCOMPARE(worker.pollingTimer()->interval(), 10000);
    }

    void startPollingTwiceKeepsOneRunningTimer()
    {
        int requests = 0;
        QObject context;
        connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService, &context, [&] { ++requests; });
        GetStatusWorker worker(nullptr, 50);
        worker.startPolling();
        const QTimer *timer = worker.pollingTimer();
        // Nothing runs while the timer falls due; a restart would put it off again.
        QThread::msleep(100);
        worker.startPolling();
        QCOMPARE(worker.pollingTimer(), timer);
        QCoreApplication::processEvents();
        QCOMPARE(requests, 2);
    }

    // The agent's arrangement: the worker on the poller thread, the timer on
    // the main thread, the receiver on the communicator's thread.
    void requestsReachTheCommunicatorsThread()
    {
        RequestSink sink; // outlives its thread
        RunningThread communicatorThread;
        sink.moveToThread(&communicatorThread);
        QMetaObject::Connection toSink = connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService,
                                                 &sink, &RequestSink::slotQueryService);

        RunningThread pollerThread;
        auto *worker = new GetStatusWorker(nullptr, 20);
        worker->moveToThread(&pollerThread);
        worker->startPolling();

        // The first request and three ticks; more may follow while we look.
        const int expected = 4;
        QTRY_VERIFY_WITH_TIMEOUT(sink.arrivals().size() >= expected, 30000);
        disconnect(toSink);
        for (const RequestSink::Arrival &arrival : sink.arrivals()) {
            QCOMPARE(arrival.sender, worker);
            QVERIFY(arrival.request == statusRequest());
            QCOMPARE(arrival.thread, &communicatorThread);
        }

        pollerThread.quit();
        pollerThread.wait();
        delete worker;
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestGetStatusWorker)
#include "test-get-status-worker.moc"
