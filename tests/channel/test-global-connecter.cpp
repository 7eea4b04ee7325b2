#include <QtTest>

#include "test-main.h"

#include "global-connecter.h"

#include <QThread>

#include <atomic>

class TestGlobalConnecter : public QObject
{
    Q_OBJECT
private slots:
    void oneHubForEveryThread()
    {
        std::atomic<GlobalConnecter *> fromWorker{nullptr};
        QThread *worker = QThread::create([&] { fromWorker = GlobalConnecter::getInstance(); });
        worker->start();
        worker->wait();
        delete worker;
        QVERIFY(fromWorker.load() != nullptr);
        QCOMPARE(fromWorker.load(), GlobalConnecter::getInstance());
        QCOMPARE(GlobalConnecter::getInstance()->thread(), QCoreApplication::instance()->thread());
    }

    // Later pages and the client manager connect by these signatures, and the
    // meta-object's method order is part of the contract.
    void signalsInTheirAgreedOrder()
    {
        const QStringList expected = {
            "sigSendConnectKeyToService(QString,QString)",
            "sigSendResetLdapInfoEventToService()",
            "sigBackToLdapInfoPage()",
            "sigSendLDAPInfoToService(QString,QString,QString,QString,QString,bool)",
            "sigOpenEditConnectionInfo()",
            "sigApplyEditLdapInfo(QString,QString,QString,QString,QString,bool)",
            "sigQueryService(const QObject*,Json::Value)",
            "sigQueryServiceDone(const QObject*,Json::Value)",
            "sigQueryServiceFailed(cmError)",
            "sigQueryServiceUnavailable(const QObject*)",
        };
        const QMetaObject &meta = GlobalConnecter::staticMetaObject;
        QStringList actual;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            actual << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(actual, expected);
    }

    // The poller emits on its own thread and the communicator listens on
    // another: the request crosses both hand-overs unchanged.
    void requestFromAnotherThreadReachesAWorkerSlotIntact()
    {
        QThread communicatorThread;
        QObject communicatorSide;
        communicatorSide.moveToThread(&communicatorThread);
        communicatorThread.start();

        std::atomic<bool> arrived{false};
        const QObject *seenSender = nullptr;
        Json::Value seenRequest;
        QThread *seenOn = nullptr;
        connect(GlobalConnecter::getInstance(), &GlobalConnecter::sigQueryService, &communicatorSide,
                [&](const QObject *sender, Json::Value request) {
                    seenSender = sender;
                    seenRequest = request;
                    seenOn = QThread::currentThread();
                    arrived = true;
                });

        QObject poller;
        Json::Value request;
        request["action"] = "set_ldap_info";
        request["data"]["port"] = "636";
        request["data"]["isLdaps"] = true;
        QThread *pollerThread = QThread::create(
            [&] { emit GlobalConnecter::getInstance()->sigQueryService(&poller, request); });
        pollerThread->start();
        QTRY_VERIFY(arrived);
        pollerThread->wait();
        delete pollerThread;
        communicatorThread.quit();
        communicatorThread.wait();

        QCOMPARE(seenSender, &poller);
        QVERIFY(seenRequest == request);
        QCOMPARE(seenOn, &communicatorThread);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestGlobalConnecter)
#include "test-global-connecter.moc"
