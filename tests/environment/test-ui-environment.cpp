#include <QtTest>

#include "test-main.h"

#include "startup.h"

#include "services/image-manager.h"
#include "services/ui-path-manager.h"

namespace {

const QRegularExpression kPhaseA(R"(\[INFO\]\[ui-environment\.cpp:\d+\] (UI language .*)$)",
                                 QRegularExpression::MultilineOption);
const QRegularExpression kPhaseB(R"(\[INFO\]\[ui-environment\.cpp:\d+\] UI caption ok)");

// One run of the real agent with folders of its own. Runs that share a
// runtime folder share the single-instance lock.
class AgentRun
{
public:
    AgentRun(const QString &locale, const QString &runtimeFolder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LODESTAR_DATA_DIR", m_data.path());
        env.insert("LODESTAR_SERVICE_ENDPOINT", m_data.filePath("no-service.sock"));
        env.insert("XDG_DATA_HOME", m_userData.path());
        env.insert("XDG_RUNTIME_DIR", runtimeFolder);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", locale);
        env.insert("LANG", locale);
        m_process.setProcessEnvironment(env);
        m_process.start(LODESTAR_PROGRAM, QStringList());
    }

    ~AgentRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString log() const
    {
        QFile file(m_data.filePath("log/ui/ui.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString phaseA() const { return kPhaseA.match(log()).captured(1); }
    bool ranPhaseB() const { return kPhaseB.match(log()).hasMatch(); }

    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_data;
    QTemporaryDir m_userData;
    QProcess m_process;
};

class RuntimeFolder : public QTemporaryDir
{
public:
    RuntimeFolder() { QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }
};

} // namespace

class TestUiEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void followsTheSystemLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE.UTF-8" << "UI language ger, translation :/ger.qm installed, font Arial 9 pt";
        QTest::newRow("Traditional Chinese")
            << "zh_TW.UTF-8" << "UI language cht, translation :/cht.qm installed, font Microsoft JhengHei 9 pt";
        QTest::newRow("Simplified Chinese")
            << "zh_CN.UTF-8" << "UI language chs, translation :/chs.qm installed, font Microsoft YaHei 9 pt";
        QTest::newRow("Japanese") << "ja_JP.UTF-8" << "UI language jpn, translation :/jpn.qm installed, font Meiryo 9 pt";
        QTest::newRow("Korean")
            << "ko_KR.UTF-8" << "UI language krn, translation :/krn.qm installed, font Malgun Gothic 9 pt";
        QTest::newRow("Thai, known only to the agent")
            << "th_TH.UTF-8" << "UI language tha, translation :/tha.qm installed, font Arial 9 pt";
        QTest::newRow("Greek, not shipped") << "el_GR.UTF-8" << "UI language enu, translation :/enu.qm installed, font Arial 9 pt";
    }
    void followsTheSystemLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        RuntimeFolder runtime;
        AgentRun agent(locale, runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(agent.ranPhaseB(), 20000);
        QCOMPARE(agent.phaseA(), expected);
    }

    // The instance that gives up must not touch what belongs to the one
    // that runs: phase A yes, phase B never.
    void instanceThatGivesUpRunsOnlyTheFirstPhase()
    {
        RuntimeFolder runtime;
        AgentRun first("de_DE.UTF-8", runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(first.ranPhaseB(), 20000);

        AgentRun second("de_DE.UTF-8", runtime.path());
        QVERIFY(second.process().waitForFinished(60000));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY2(!second.phaseA().isEmpty(), qPrintable(second.log()));
        QVERIFY2(!second.ranPhaseB(), qPrintable(second.log()));
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    // Unregistered, the folder of the scaled image copies would be
    // "/tmp_images" at the root of the file system.
    void temporaryImagesStayInTheUsersDataFolder()
    {
        QTemporaryDir data;
        QTemporaryDir userData;
        qputenv("LODESTAR_DATA_DIR", data.path().toUtf8());
        qputenv("XDG_DATA_HOME", userData.path().toUtf8());
        setupPaths();
        qunsetenv("LODESTAR_DATA_DIR");
        qunsetenv("XDG_DATA_HOME");

        const QString userDataPath = UIPathManager::getInstance().getPath("user_data_path");
        QVERIFY2(userDataPath.startsWith(userData.path() + "/"), qPrintable(userDataPath));
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        QCOMPARE(ImageManager::getInstance().getTempImageFolder(), userDataPath + "/tmp_images");
        QVERIFY(QFileInfo(userDataPath + "/tmp_images").isDir());
    }
};

LODESTAR_TEST_MAIN(TestUiEnvironment)
#include "test-ui-environment.moc"
