#include <QtTest>

#include "dpi-factor.h"
#include "kit-fixture.h"
#include "test-main.h"

#include "widgets/orva-button-path.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

QPushButton *buttonAt(const OrvaButtonPath &bar, int column)
{
    return qobject_cast<QPushButton *>(bar.cellWidget(0, column));
}

QToolButton *folderButton(const OrvaButtonPath &bar)
{
    return bar.findChild<QToolButton *>();
}

QStringList menuTexts(const OrvaButtonPath &bar)
{
    QStringList texts;
    for (const QAction *action : folderButton(bar)->menu()->actions())
        texts << action->text();
    return texts;
}

// A bar of `width` on screen, as its owner shows it before the first path.
struct ShownBar
{
    explicit ShownBar(int width)
    {
        bar.resize(width, bar.height());
        bar.show();
        exposed = QTest::qWaitForWindowExposed(&bar);
    }
    OrvaButtonPath bar;
    bool exposed = false;
};

const QString kDeepPath = "/srv/projects/2024/R&D/prototypes/sensor-array/firmware/releases";

} // namespace

class TestOrvaButtonPath : public QObject
{
    Q_OBJECT
    KitFixture kit;

private slots:
    void segmentsArrowsAndClick()
    {
        ShownBar shown(600);
        QVERIFY(shown.exposed);
        OrvaButtonPath &bar = shown.bar;
        bar.refresh("/vol/share/docs");

        QCOMPARE(bar.columnCount(), 5);
        QCOMPARE(buttonAt(bar, 0)->text(), QString("vol"));
        QCOMPARE(buttonAt(bar, 2)->text(), QString("share"));
        QCOMPARE(buttonAt(bar, 4)->text(), QString("docs"));
        for (int arrow : {1, 3}) {
            QVERIFY(buttonAt(bar, arrow)->text().isEmpty());
            QVERIFY(!buttonAt(bar, arrow)->icon().isNull());
            QCOMPARE(bar.columnWidth(arrow), 6);
        }
        QVERIFY(folderButton(bar)->isHidden());

        QSignalSpy chosen(&bar, &OrvaButtonPath::sigUpdatePath);
        QTest::mouseClick(buttonAt(bar, 2), Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QString("vol/share"));
        QCOMPARE(bar.getPath(4), QString("vol/share/docs"));
        // The bar waits for its owner to refresh it.
        QCOMPARE(bar.columnCount(), 5);
    }

    void ampersandRoundTrip()
    {
        ShownBar shown(600);
        QVERIFY(shown.exposed);
        OrvaButtonPath &bar = shown.bar;
        bar.refresh("lab/R&D/a&&b");

        QCOMPARE(buttonAt(bar, 2)->text(), QString("R&&D"));
        // No letter of the name became a shortcut.
        QVERIFY(QKeySequence::mnemonic(buttonAt(bar, 2)->text()).isEmpty());
        QCOMPARE(bar.getPath(2), QString("lab/R&D"));
        QCOMPARE(bar.getPath(4), QString("lab/R&D/a&&b"));

        QSignalSpy chosen(&bar, &OrvaButtonPath::sigUpdatePath);
        QTest::mouseClick(buttonAt(bar, 2), Qt::LeftButton);
        QCOMPARE(chosen.at(0).at(0).toString(), QString("lab/R&D"));
    }

    void emptyPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << "";
        QTest::newRow("root only") << "/";
        QTest::newRow("slashes only") << "//";
    }
    void emptyPaths()
    {
        QFETCH(QString, path);
        ShownBar shown(600);
        QVERIFY(shown.exposed);
        shown.bar.refresh("/vol/share");
        shown.bar.refresh(path);
        QCOMPARE(shown.bar.columnCount(), 0);
        QVERIFY(folderButton(shown.bar)->isHidden());
        QCOMPARE(shown.bar.getPath(0), QString());
    }

    void doubledAndTrailingSlashesAreDropped()
    {
        ShownBar shown(600);
        QVERIFY(shown.exposed);
        shown.bar.refresh("vol//share/");
        QCOMPARE(shown.bar.columnCount(), 3);
        QCOMPARE(shown.bar.getPath(2), QString("vol/share"));
    }

    void overflowingPathOffersTheHiddenSegments()
    {
        ShownBar shown(220);
        QVERIFY(shown.exposed);
        OrvaButtonPath &bar = shown.bar;
        bar.refresh(kDeepPath);

        QScrollBar *scroll = bar.horizontalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        QCOMPARE(scroll->value(), scroll->maximum());
        QVERIFY(folderButton(bar)->isVisible());
        // The deepest segment is in view.
        const int last = bar.columnCount() - 1;
        QCOMPARE(bar.columnViewportPosition(last) + bar.columnWidth(last), bar.viewport()->width());

        // From the top: every segment scrolled out wholly or partly, and one
        // that starts right at the left edge; no more.
        QStringList hiddenSegments;
        for (int column = 0; column <= last; column += 2) {
            if (bar.horizontalHeader()->sectionPosition(column) <= scroll->value())
                hiddenSegments << buttonAt(bar, column)->text();
        }
        QCOMPARE(menuTexts(bar), hiddenSegments);
        QCOMPARE(hiddenSegments.first(), QString("srv"));
        QVERIFY(hiddenSegments.contains("R&&D"));

        QSignalSpy chosen(&bar, &OrvaButtonPath::sigUpdatePath);
        folderButton(bar)->menu()->actions().first()->trigger();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QString("srv"));
        folderButton(bar)->menu()->actions().at(3)->trigger();
        QCOMPARE(chosen.at(1).at(0).toString(), QString("srv/projects/2024/R&D"));
    }

    void shorterPathHidesTheFolderButton()
    {
        ShownBar shown(220);
        QVERIFY(shown.exposed);
        OrvaButtonPath &bar = shown.bar;
        bar.refresh(kDeepPath);
        QVERIFY(folderButton(bar)->isVisible());

        bar.slotUpdatePath("/srv/projects");
        QVERIFY(folderButton(bar)->isHidden());
        QVERIFY(menuTexts(bar).isEmpty());
        QCOMPARE(bar.horizontalScrollBar()->value(), 0);
    }

    void sizesFollowTheFactor()
    {
        DpiFactor dpi(1.5);
        OrvaButtonPath bar;
        QCOMPARE(bar.height(), 42);
        QCOMPARE(folderButton(bar)->size(), QSize(39, 39));
        bar.refresh("vol/share");
        QCOMPARE(bar.columnWidth(1), 9);
        QCOMPARE(buttonAt(bar, 0)->height(), 39);
        // The text is measured in the sheet's font, already at screen size:
        // only the padding is scaled, or every name would be half as wide
        // again as its text.
        QPushButton *share = buttonAt(bar, 2);
        QCOMPARE(share->width(), share->fontMetrics().boundingRect("share").width() + 24);
        QCOMPARE(bar.columnWidth(2), share->width());
    }
};

LODESTAR_TEST_MAIN(TestOrvaButtonPath)
#include "test-orva-button-path.moc"
