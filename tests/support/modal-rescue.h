#pragma once

#include <QtTest>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

// Keeps a test that runs a modal loop (exec() of a sheet, a dialog or a
// message box, the wizard's loading card, QCoreApplication::exec()) from
// hanging. While it lives it looks at the event loops running above the level
// it was made at, and ends them
//  - as soon as a check has failed: a QVERIFY in a callback returns from the
//    callback only, and would leave the loop it runs in waiting;
//  - when one has run for `limitMs`, which it records as the test's failure.
// Ending means done(-2) for every shown widget with a done(int) slot (dialogs,
// message boxes, sheets) and exit(-2) for every running loop a window owns;
// loops still running a second later, or with none of those to end, are quit
// through the application. exec() then returns, and RETURN_IF_FAILED() after
// it ends the test function.
class ModalRescue
{
public:
    static constexpr int kEnded = -2;

    explicit ModalRescue(int limitMs = 20000)
        : m_limitMs(limitMs)
        , m_baseLevel(QThread::currentThread()->loopLevel())
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
        m_poll.start(50);
    }

    ~ModalRescue()
    {
        // A quit leaves the application refusing every later loop until
        // exec() runs once more.
        if (m_quitApplication && QThread::currentThread()->loopLevel() == 0) {
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
    }

    ModalRescue(const ModalRescue &) = delete;
    ModalRescue &operator=(const ModalRescue &) = delete;

private:
    void look()
    {
        if (QThread::currentThread()->loopLevel() <= m_baseLevel) {
            m_running.invalidate();
            m_ending.invalidate();
            return;
        }
        if (!m_running.isValid())
            m_running.start();
        if (!QTest::currentTestFailed()) {
            if (m_running.elapsed() < m_limitMs)
                return;
            const QString what = QStringLiteral("a modal loop still ran after %1 ms; ended: %2")
                                     .arg(m_limitMs)
                                     .arg(endables().join(QStringLiteral(", ")));
            QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        }
        if (!m_ending.isValid())
            m_ending.start();
        const bool endedAny = end();
        if (!endedAny || m_ending.elapsed() >= 1000) {
            m_quitApplication = true;
            QCoreApplication::exit(kEnded);
        }
    }

    // The shown widgets that a done(int) slot ends, and the running loops
    // that windows or the application own.
    static QStringList endables()
    {
        QStringList names;
        for (QWidget *widget : QApplication::allWidgets())
            if (isEndable(widget))
                names << describe(widget);
        for (QEventLoop *loop : ownedLoops())
            names << QStringLiteral("event loop of ") + describe(loop->parent());
        return names.isEmpty() ? QStringList(QStringLiteral("the application's loops")) : names;
    }

    static bool isEndable(const QWidget *widget)
    {
        return widget->isVisible() && widget->metaObject()->indexOfSlot("done(int)") >= 0;
    }

    static QList<QEventLoop *> ownedLoops()
    {
        QObjectList owners{qApp};
        for (QWidget *window : QApplication::topLevelWidgets())
            owners << window;
        QList<QEventLoop *> loops;
        for (QObject *owner : owners)
            for (QEventLoop *loop : owner->findChildren<QEventLoop *>())
                if (loop->isRunning())
                    loops << loop;
        return loops;
    }

    static QString describe(const QObject *object)
    {
        const QString text = object->property("text").toString();
        return QString::fromLatin1(object->metaObject()->className())
               + (text.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(text));
    }

    static bool end()
    {
        QList<QPointer<QWidget>> widgets;
        for (QWidget *widget : QApplication::allWidgets())
            if (isEndable(widget))
                widgets << widget;
        // Ending one may take others with it.
        for (const QPointer<QWidget> &widget : widgets)
            if (widget)
                QMetaObject::invokeMethod(widget, "done", Q_ARG(int, kEnded));
        const QList<QEventLoop *> loops = ownedLoops();
        for (QEventLoop *loop : loops)
            loop->exit(kEnded);
        return !widgets.isEmpty() || !loops.isEmpty();
    }

    QTimer m_poll;
    QElapsedTimer m_running;
    QElapsedTimer m_ending;
    const int m_limitMs;
    const int m_baseLevel;
    bool m_quitApplication = false;
};

// After a modal loop: a check that failed in a callback, or a loop the rescue
// had to end, ends the test function here.
#define RETURN_IF_FAILED() \
    do { \
        if (QTest::currentTestFailed()) \
            return; \
    } while (false)
