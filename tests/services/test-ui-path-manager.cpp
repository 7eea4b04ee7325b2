#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"

#include "services/ui-path-manager.h"

class TestUIPathManager : public QObject
{
    Q_OBJECT
private slots:
    void oneInstance() { QCOMPARE(&UIPathManager::getInstance(), &UIPathManager::getInstance()); }

    void missingKeyWarnsEveryTimeAndAddsNothing()
    {
        UIPathManager &paths = UIPathManager::getInstance();
        DebugMessages messages;
        QCOMPARE(paths.getPath("never_set"), QString());
        QCOMPARE(paths.getPath("never_set"), QString());
        QCOMPARE(messages.warnings,
                 QStringList({"Cannot find path by key \"never_set\"", "Cannot find path by key \"never_set\""}));
    }

    void overwriteWarnsWithThePreviousPath_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("different path") << "/x" << "/y";
        QTest::newRow("same path") << "/same" << "/same";
    }
    void overwriteWarnsWithThePreviousPath()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QString key = QString("overwrite_") + QTest::currentDataTag();
        UIPathManager &paths = UIPathManager::getInstance();
        DebugMessages messages;
        paths.setPath(key, first);
        QVERIFY(messages.warnings.isEmpty());
        paths.setPath(key, second);
        QCOMPARE(messages.warnings,
                 QStringList(QString("Existing path is \"%1\" with key \"%2\" but overwrite it now").arg(first, key)));
        QCOMPARE(paths.getPath(key), second);
    }

    void keysAreExactAndEmptyIsOrdinary()
    {
        UIPathManager &paths = UIPathManager::getInstance();
        DebugMessages messages;
        paths.setPath("Case_Key", "/upper");
        paths.setPath("case_key", "/lower");
        paths.setPath("", "/empty");
        QCOMPARE(paths.getPath("Case_Key"), QString("/upper"));
        QCOMPARE(paths.getPath("case_key"), QString("/lower"));
        QCOMPARE(paths.getPath(""), QString("/empty"));
        QVERIFY(messages.warnings.isEmpty());
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestUIPathManager)
#include "test-ui-path-manager.moc"
