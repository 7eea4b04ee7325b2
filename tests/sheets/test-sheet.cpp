#include <QtTest>

#include "test-main.h"

#include "services/dpi-info.h"
#include "sheets/sheet.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// The smallest concrete sheet: the base only paints and lays out.
class PlainSheet : public OrvaSheet
{
public:
    using OrvaSheet::OrvaSheet;
    void showSheet() override { show(); }
};

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT
private:
    // The sheet on a host of a colour it never paints, grabbed with the host.
    static QImage paintedOnMagenta(const QSize &size)
    {
        QWidget host;
        host.resize(size);
        QPalette magenta;
        magenta.setColor(QPalette::Window, Qt::magenta);
        host.setPalette(magenta);
        host.setAutoFillBackground(true);
        auto *sheet = new PlainSheet(&host);
        sheet->setGeometry(QRect(QPoint(0, 0), size));
        return host.grab().toImage();
    }

private slots:
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void shadowBandFollowsTheFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("band");
        QTest::newRow("1.0") << 1.0 << 22;
        QTest::newRow("1.25 truncates 27.5") << 1.25 << 27;
        QTest::newRow("1.5") << 1.5 << 33;
        QTest::newRow("2.0") << 2.0 << 44;
    }
    void shadowBandFollowsTheFactor()
    {
        QFETCH(double, factor);
        QFETCH(int, band);
        DPIinfo::getInstance().setDPI(factor);
        PlainSheet sheet;
        QCOMPARE(sheet.contentsMargins(), QMargins(band, band, band, band));

        // Someone else's margins do not survive showing: content stays inside the band.
        sheet.setContentsMargins(0, 0, 0, 0);
        sheet.resize(300, 200);
        sheet.show();
        QCOMPARE(sheet.contentsMargins(), QMargins(band, band, band, band));
        sheet.resize(500, 300);
        QCOMPARE(sheet.contentsMargins(), QMargins(band, band, band, band));
    }

    void whiteBodyLeavesTheBandClear()
    {
        const QImage image = paintedOnMagenta(QSize(200, 100));
        const QRect body(22, 22, 156, 56);
        for (const QPoint &inside : {body.topLeft(), body.bottomRight(), body.center()})
            QCOMPARE(image.pixelColor(inside), QColor(Qt::white));
        // Without the shadow images the band stays unpainted: the host shows.
        for (const QPoint &outside : {QPoint(21, 21), QPoint(178, 78), QPoint(100, 5), QPoint(5, 50)})
            QCOMPARE(image.pixelColor(outside), QColor(Qt::magenta));
    }

    void tinySheetPaintsWithoutABody()
    {
        const QImage image = paintedOnMagenta(QSize(30, 30));
        QCOMPARE(image.pixelColor(15, 15), QColor(Qt::magenta));
    }

    void setWidgetKeepsOneLayoutWithTheLatestWidget()
    {
        PlainSheet sheet;
        auto *first = new QLabel("first");
        auto *second = new QLabel("second");
        sheet.setWidget(first);
        sheet.setWidget(second);

        auto *layout = qobject_cast<QHBoxLayout *>(sheet.layout());
        QVERIFY(layout);
        QCOMPARE(layout->count(), 1);
        QCOMPARE(layout->itemAt(0)->widget(), second);
        QCOMPARE(layout->itemAt(0)->alignment(), Qt::AlignCenter);
        QCOMPARE(first->parentWidget(), &sheet);
        QCOMPARE(sheet.findChildren<QLayout *>().size(), 1);
    }
};

LODESTAR_TEST_MAIN(TestSheet)
#include "test-sheet.moc"
