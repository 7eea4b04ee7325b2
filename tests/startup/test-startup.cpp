#include <QtTest>

#include "test-main.h"

#include "startup.h"

#include "services/ui-path-manager.h"

#include <csignal>

namespace {

// Generous: a loaded machine can take seconds to start a Qt program.
constexpr int kPatienceMs = 30000;

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

    // How often TEXT occurs in the agents' shared log.
    int logCount(const QString &text) const
    {
        QFile log(m_data.path() + "/log/ui/ui.txt");
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).count(text) : 0;
    }

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
        QVERIFY(first->waitForStarted(kPatienceMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(environment.dataRoot() + "/log/ui/ui.txt"), kPatienceMs);
        QVERIFY(!first->waitForFinished(1000));
        stop(first);
    }

    void secondInstanceGivesUpAfterFiveSeconds()
    {
        AgentEnvironment environment;
        QProcess *first = environment.start(this);
        // Logged only once the instance holds its lock.
        QTRY_COMPARE_WITH_TIMEOUT(environment.logCount("Application start"), 1, kPatienceMs);

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
        QTRY_COMPARE_WITH_TIMEOUT(environment.logCount("Application start"), 1, kPatienceMs);

        QProcess *second = environment.start(this);
        QVERIFY(second->waitForStarted(kPatienceMs));
        // Its language line comes right before the wait for the lock.
        QTRY_COMPARE_WITH_TIMEOUT(environment.logCount("UI language "), 2, kPatienceMs);
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(5000));

        QVERIFY2(!second->waitForFinished(7000), "the second instance gave up although the first had ended");
        stop(second);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestStartup)
#include "test-startup.moc"
