#include <QtTest>

#include "test-main.h"

#include "sheets/mask.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

OrvaMask *maskOf(QWidget *foreground)
{
    return qobject_cast<OrvaMask *>(foreground->parentWidget());
}

} // namespace

class TestMask : public QObject
{
    Q_OBJECT
private slots:
    void nothingToCover_data()
    {
        QTest::addColumn<bool>("withWidget");
        QTest::newRow("no foreground widget") << false;
        QTest::newRow("parentless widget, no parent given") << true;
    }
    void nothingToCover()
    {
        QFETCH(bool, withWidget);
        QWidget loose;
        QCOMPARE(OrvaMask::createMask(withWidget ? &loose : nullptr, nullptr, Qt::black), nullptr);
        QCOMPARE(loose.parentWidget(), nullptr);
    }

    void nullParentTakesTheWidgetsParent()
    {
        QWidget window;
        window.resize(600, 400);
        auto *panel = new QWidget(&window);
        QCOMPARE(OrvaMask::createMask(panel, nullptr, QColor(0, 0, 0, 20)), panel);
        OrvaMask *mask = maskOf(panel);
        QVERIFY(mask);
        QCOMPARE(mask->parentWidget(), &window);
        QCOMPARE(mask->size(), QSize(600, 400));
    }

    void followsTheWindowSize()
    {
        QWidget window;
        window.resize(600, 400);
        auto *panel = new QWidget(&window);
        OrvaMask::createMask(panel, &window, QColor(0, 0, 0, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.resize(800, 500);
        QTRY_COMPARE(maskOf(panel)->size(), QSize(800, 500));
    }

    void shownAndHiddenWithItsForegroundWidget()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *panel = new QWidget(&window);
        OrvaMask::createMask(panel, &window, QColor(0, 0, 0, 20));
        OrvaMask *mask = maskOf(panel);
        QVERIFY2(!mask->isVisible(), "a new mask waits for its widget to be shown");

        panel->show();
        QVERIFY(mask->isVisible());
        QVERIFY(panel->isVisible());
        panel->hide();
        QVERIFY(!mask->isVisible());
        panel->show();
        QVERIFY(mask->isVisible());
    }

    void fixedSizeWidgetSitsCentred()
    {
        QWidget window;
        window.resize(600, 400);
        auto *panel = new QWidget(&window);
        panel->setFixedSize(200, 100);
        OrvaMask::createMask(panel, &window, QColor(0, 0, 0, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        panel->show();

        QTRY_COMPARE(panel->geometry(), QRect(200, 150, 200, 100));
    }

    void transparentMaskStillTakesTheClicks()
    {
        QWidget window;
        window.resize(400, 300);
        auto *button = new QPushButton("behind", &window);
        button->setGeometry(10, 10, 120, 40);
        QSignalSpy clicks(button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *panel = new QWidget(&window);
        panel->setFixedSize(50, 50);
        OrvaMask::createMask(panel, &window, QColor(0, 0, 0, 0));

        // Clicks go to the window as the platform delivers them, so that the
        // widget under the pointer is looked up and not chosen by the test.
        const QPoint onButton = button->geometry().center();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks.count(), 1);

        panel->show();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks.count(), 1);

        panel->hide();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks.count(), 2);
    }

    void goesWhenItsForegroundWidgetIsDestroyed()
    {
        QWidget window;
        auto *panel = new QWidget(&window);
        OrvaMask::createMask(panel, &window, QColor(0, 0, 0, 20));
        const QPointer<OrvaMask> mask = maskOf(panel);
        delete panel;
        QTRY_VERIFY(mask.isNull());
        QVERIFY(window.findChildren<OrvaMask *>().isEmpty());
    }

    void windowDestroyedWithMaskAndWidget()
    {
        // The mask's own children die after it: no second deletion is queued.
        auto *window = new QWidget;
        auto *panel = new QWidget(window);
        OrvaMask::createMask(panel, window, QColor(0, 0, 0, 20));
        const QPointer<QWidget> watched = panel;
        delete window;
        QVERIFY(watched.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

LODESTAR_TEST_MAIN(TestMask)
#include "test-mask.moc"
