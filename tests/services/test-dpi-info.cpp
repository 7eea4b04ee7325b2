#include <QtTest>

#include "test-main.h"

#include "services/dpi-info.h"

#include <QScreen>

class TestDPIinfo : public QObject
{
    Q_OBJECT
private:
    double measuredFactor = 0;

private slots:
    void initTestCase() { measuredFactor = DPIinfo::getInstance().getDPI(); }
    void cleanup() { DPIinfo::getInstance().setDPI(measuredFactor); }

    void measuresThePrimaryScreen()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(DPIinfo::getInstance().getDPI(), screen->logicalDotsPerInchX() / 96.0);
        QCOMPARE(DPIinfo::getInstance().getDPR(), screen->devicePixelRatio());
    }

    void scalesStyleSheets_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");

        // Each design length at the four factors of common screens.
        const struct
        {
            const char *design;
            const char *scaled[4];
        } lengths[] = {
            {"1px", {"1px", "1px", "1px", "2px"}},       {"2px", {"2px", "2px", "3px", "4px"}},
            {"3px", {"3px", "3px", "4px", "6px"}},       {"10px", {"10px", "12px", "15px", "20px"}},
            {"13px", {"13px", "16px", "19px", "26px"}},  {"0.5px", {"0px", "0px", "0px", "1px"}},
            {"12.5px", {"12px", "15px", "18px", "25px"}},
        };
        const double factors[] = {1.0, 1.25, 1.5, 2.0};
        for (const auto &length : lengths) {
            for (int i = 0; i < 4; ++i) {
                QTest::addRow("%s at %g", length.design, factors[i])
                    << factors[i] << QString("margin: %1;").arg(length.design)
                    << QString("margin: %1;").arg(length.scaled[i]);
            }
        }

        QTest::newRow("four digits, rewritten once") << 2.0 << "width: 1000px;" << "width: 2000px;";
        QTest::newRow("two decimals") << 2.0 << "width: 10.25px;" << "width: 20px;";
        QTest::newRow("trailing dot") << 1.5 << "width: 2.px;" << "width: 3px;";
        QTest::newRow("border stays, margin grows") << 1.25 << "border: 1px solid; margin: 4px;"
                                                    << "border: 1px solid; margin: 5px;";
        QTest::newRow("adjacent lengths") << 1.5 << "padding: 2px 4px 10px 1px;" << "padding: 3px 6px 15px 1px;";
        QTest::newRow("no space between") << 1.5 << "2px4px" << "3px6px";
        QTest::newRow("upper-case unit untouched") << 2.0 << "margin: 10PX 10Px;" << "margin: 10PX 10Px;";
        QTest::newRow("other units untouched") << 2.0 << "font: 9pt; width: 50%; height: 2em; z: 12"
                                               << "font: 9pt; width: 50%; height: 2em; z: 12";
        QTest::newRow("sign stays before the number") << 1.5 << "margin-top: -4px;" << "margin-top: -6px;";
        QTest::newRow("leading dot keeps the dot") << 2.0 << "width: .5px;" << "width: .10px;";
        QTest::newRow("inside a file name") << 1.5 << "url(a/icon_16px.png)" << "url(a/icon_24px.png)";
        QTest::newRow("fraction dropped at 1.0") << 1.0 << "width: 7.9px;" << "width: 7px;";
        QTest::newRow("without px unchanged") << 1.5 << "QLabel { color: #505A64; }" << "QLabel { color: #505A64; }";
        QTest::newRow("empty sheet") << 1.5 << "" << "";
        QTest::newRow("beyond int is clamped") << 2.0 << "99999999999px" << "2147483647px";
    }
    void scalesStyleSheets()
    {
        QFETCH(double, factor);
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        DPIinfo::getInstance().setDPI(factor);
        QCOMPARE(DPIinfo::getInstance().getScaledStyleSheet(sheet), expected);
    }

    void scalesDesignLengthsTowardZero_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("expected");
        QTest::newRow("10 at 1.25") << 1.25 << 10 << 12;
        QTest::newRow("1 at 1.25") << 1.25 << 1 << 1;
        QTest::newRow("7 at 1.5") << 1.5 << 7 << 10;
        QTest::newRow("negative truncates up") << 1.25 << -3 << -3;
    }
    void scalesDesignLengthsTowardZero()
    {
        QFETCH(double, factor);
        QFETCH(int, design);
        QFETCH(int, expected);
        DPIinfo::getInstance().setDPI(factor);
        QCOMPARE(DPIinfo::getInstance().scaled(design), expected);
    }
};

LODESTAR_TEST_MAIN(TestDPIinfo)
#include "test-dpi-info.moc"
