#include <QtTest>

#include "startup.h"

#include "services/ui-path-manager.h"

#include <csignal>

namespace {

// Each test gets its own data root and runtime folder, so that runs neither
// touch system folders nor meet an agent started by someone else.
class AgentEnvironment
{
public:
    AgentEnvironment()
    {
        QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString dataRoot() const { return m_data.path(); }

    QProcess *start(QObject *parent) const
    {
        auto *process = new QProcess(parent);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LODESTAR_DATA_DIR", m_data.path());
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->start(LODESTAR_PROGRAM, QStringList());
        return process;
    }

private:
    QTemporaryDir m_data;
    QTemporaryDir m_runtime;
};

void stop(QProcess *process)
{
    process->kill();
    process->waitForFinished(5000);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void registersTheAgentsFolders()
    {
        QTemporaryDir data;
        qputenv("LODESTAR_DATA_DIR", data.path().toUtf8());
        setupPaths();
        qunsetenv("LODESTAR_DATA_DIR");

        const UIPathManager &paths = UIPathManager::getInstance();
        const QString programDir = QCoreApplication::applicationDirPath();
        QCOMPARE(paths.getPath("application_path"), QDir::cleanPath(programDir));
        QCOMPARE(paths.getPath("resource_path"), QDir(programDir + "/..").absolutePath() + "/resource");
        QCOMPARE(paths.getPath("log_path"), data.path() + "/log/ui");
        QVERIFY(QFileInfo(data.path() + "/log/ui").isDir());
    }

    void firstInstanceRunsAndOpensItsLog()
    {
        AgentEnvironment environment;
        QProcess *first = environment.start(this);
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY(QFile::exists(environment.dataRoot() + "/log/ui/ui.txt"));
        QVERIFY(!first->waitForFinished(1000));
        stop(first);
    }

    void secondInstanceGivesUpAfterFiveSeconds()
    {
        AgentEnvironment environment;
        QProcess *first = environment.start(this);
        QTRY_VERIFY(QFile::exists(environment.dataRoot() + "/log/ui/ui.txt"));
        QTest::qWait(500); // the first instance has its lock by now

        QElapsedTimer clock;
        clock.start();
        QProcess *second = environment.start(this);
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(clock.elapsed() >= 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(first->state(), QProcess::Running);
        stop(first);
    }

    // The first instance dies while the second waits: its lock is stale then,
    // and the second takes over instead of giving up.
    void secondInstanceGoesOnWhenTheFirstEnds()
    {
        AgentEnvironment environment;
        QProcess *first = environment.start(this);
        QTRY_VERIFY(QFile::exists(environment.dataRoot() + "/log/ui/ui.txt"));
        QTest::qWait(500);

        QProcess *second = environment.start(this);
        QVERIFY(second->waitForStarted());
        QTest::qWait(1500);
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(5000));

        QVERIFY2(!second->waitForFinished(7000), "the second instance gave up although the first had ended");
        stop(second);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test-startup.moc"
