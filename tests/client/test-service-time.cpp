#include <QtTest>

#include "test-main.h"

#include "service-time.h"

#include <ctime>

class TestServiceTime : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Central European time with its summer rule, spelled out so that no
        // zone database is needed.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
        QLocale::setDefault(QLocale::c());
    }

    void formats_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("text"); // null when the time is invalid
        QTest::newRow("winter") << "1709644029" << "2024.03.05 14:07:09";
        QTest::newRow("summer") << "1719828000" << "2024.07.01 12:00:00";
        QTest::newRow("epoch") << "0" << "1970.01.01 01:00:00";
        QTest::newRow("leading blanks and plus") << " \t\n+1709644029" << "2024.03.05 14:07:09";
        QTest::newRow("trailing junk") << "1709644029xyz" << "2024.03.05 14:07:09";
        QTest::newRow("fraction ignored") << "1709644029.75" << "2024.03.05 14:07:09";
        QTest::newRow("blank before digits ends them") << "17096 44029" << "1970.01.01 05:44:56";
        // Only the low 32 bits count, as unsigned seconds.
        QTest::newRow("minus one") << "-1" << "2106.02.07 07:28:15";
        QTest::newRow("past 32 bits") << "6004611325" << "2024.03.05 14:07:09";
        QTest::newRow("largest") << "9223372036854775807" << "2106.02.07 07:28:15";
        QTest::newRow("smallest") << "-9223372036854775808" << "1970.01.01 01:00:00";
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("blanks only") << "   " << QString();
        QTest::newRow("letters") << "never" << QString();
        QTest::newRow("sign only") << "-" << QString();
        QTest::newRow("two signs") << "+-5" << QString();
        QTest::newRow("blank after sign") << "+ 5" << QString();
        QTest::newRow("above the range") << "9223372036854775808" << QString();
        QTest::newRow("below the range") << "-9223372036854775809" << QString();
        QTest::newRow("far out of range") << "123456789012345678901234567890" << QString();
    }
    void formats()
    {
        QFETCH(QString, seconds);
        QFETCH(QString, text);
        const QString formatted = formatServiceTime(seconds.toStdString());
        QCOMPARE(formatted, text);
        QCOMPARE(formatted.isNull(), text.isNull());
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestServiceTime)
#include "test-service-time.moc"
