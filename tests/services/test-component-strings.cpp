#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"

#include "services/component-strings.h"

class TestComponentStrings : public QObject
{
    Q_OBJECT
private slots:
    // One process-wide table: the steps below follow its life in order.
    void tableLifecycle()
    {
        ComponentStrings &strings = ComponentStrings::getInstance();
        {
            DebugMessages messages;
            QCOMPARE(strings.getString("ok"), QString("ok"));
            QCOMPARE(messages.warnings, QStringList("Cannot find key in ComponentStrings \"ok\""));
        }

        QMap<QString, QString> captions{{"ok", "OK"}, {"cancel", "Abbrechen"}};
        strings.installStrings(captions);
        captions.insert("ok", "changed later");
        {
            DebugMessages messages;
            QCOMPARE(strings.getString("ok"), QString("OK"));
            QCOMPARE(strings.getString("cancel"), QString("Abbrechen"));
            QVERIFY(messages.warnings.isEmpty());
            QCOMPARE(strings.getString("OK"), QString("OK"));
            QCOMPARE(messages.warnings, QStringList("Cannot find key in ComponentStrings \"OK\""));
        }

        strings.installStrings({{"reset", "Reset"}});
        QCOMPARE(strings.getString("ok"), QString("ok"));
        QCOMPARE(strings.getString("reset"), QString("Reset"));

        strings.installStrings({});
        QCOMPARE(strings.getString("reset"), QString("reset"));
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestComponentStrings)
#include "test-component-strings.moc"
