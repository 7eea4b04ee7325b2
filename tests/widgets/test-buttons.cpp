#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"
#include "kit-fixture.h"

#include "widgets/orva-button.h"
#include "widgets/orva-icon-button.h"

namespace {

const char *const kImage = "bt_pagebar_next";

// Which registry picture the button shows now: "normal", "hover", "click",
// "disable", or "?" when none of them.
QString picture(const OrvaIconButton &button)
{
    const QImage shown = shownPicture(button.icon(), button.iconSize());
    const struct { ImageManager::ImageType state; const char *name; } states[] = {
        {ImageManager::Normal, "normal"}, {ImageManager::Hover, "hover"},
        {ImageManager::Click, "click"}, {ImageManager::Disable, "disable"},
    };
    for (const auto &state : states)
        if (shown == registryPicture(kImage, state.state))
            return state.name;
    return "?";
}

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KitFixture> kit;

private slots:
    void initTestCase() { kit = std::make_unique<KitFixture>(); }
    void cleanup() { DPIinfo::getInstance().setDPR(1.0); }

    void buttonKindChoosesItsSheet_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("key");
        QTest::newRow("apply") << 0 << "component.apply_button";
        QTest::newRow("cancel") << 1 << "component.cancel_button";
        QTest::newRow("selected page") << 2 << "component.select_paging_button";
        QTest::newRow("unselected page") << 3 << "component.nonselect_paging_button";
        QTest::newRow("default") << 4 << "component.default_button";
        QTest::newRow("red") << 5 << "component.red_button";
        QTest::newRow("no style: 7") << 7 << "";
        QTest::newRow("no style: -1") << -1 << "";
    }
    void buttonKindChoosesItsSheet()
    {
        QFETCH(int, kind);
        QFETCH(QString, key);
        const OrvaButton button("Apply", kind);
        QCOMPARE(button.styleSheet(), key.isEmpty() ? QString() : getStyleSheet(key, false));
        QVERIFY(!key.isEmpty() || button.styleSheet().isEmpty());
        QVERIFY(button.isFlat());
        QCOMPARE(button.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(button.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QVERIFY(!button.parent());
    }

    // The pointer over the button, pressing, releasing and leaving, each
    // done as the user does it; what the button shows after each step.
    void iconFollowsThePointer()
    {
        QWidget window;
        auto *button = new OrvaIconButton(QString(kImage));
        button->setParent(&window);
        button->move(20, 20);
        window.resize(100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(picture(*button), "normal");
        QCOMPARE(button->iconSize(), QSize(16, 16));

        QTest::mouseMove(button, QPoint(5, 5));
        QTRY_COMPARE(picture(*button), "hover");
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(picture(*button), "click");
        // Released over the button: normal at once, not hover.
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(picture(*button), "normal");

        QTest::mouseMove(button, QPoint(6, 6));
        QTest::mouseMove(&window, QPoint(90, 70));
        QTRY_COMPARE(picture(*button), "normal");
    }

    void focusedButtonKeepsItsHoverPicture()
    {
        QWidget window;
        auto *button = new OrvaIconButton(QString(kImage));
        button->setParent(&window);
        button->move(20, 20);
        window.resize(100, 80);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());

        QTest::mouseMove(button, QPoint(5, 5));
        QTRY_COMPARE(picture(*button), "hover");
        QTest::mouseMove(&window, QPoint(90, 70));
        QTRY_VERIFY(!button->underMouse());
        QCOMPARE(picture(*button), "hover");
    }

    void disablingShowsTheDisabledPictureAtOnce()
    {
        OrvaIconButton button{QString(kImage)};
        button.show();
        button.applyHoverStyle();
        QCOMPARE(picture(button), "hover");
        button.setEnabled(false);
        QCOMPARE(picture(button), "disable");
        button.setEnabled(true);
        QCOMPARE(picture(button), "normal");
    }

    void hiddenDisabledButtonShowsDisabledPictureWhenShown()
    {
        OrvaIconButton button{QString(kImage)};
        button.setEnabled(false);
        button.applyNormalStyle();
        QCOMPARE(picture(button), "normal");
        button.show();
        QCOMPARE(picture(button), "disable");
    }

    // A pointer press on a disabled button never reaches it, so the picture
    // must stay the disabled one.
    void disabledButtonIgnoresThePointer()
    {
        QWidget window;
        auto *button = new OrvaIconButton(QString(kImage));
        button->setParent(&window);
        button->setEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(button, QPoint(5, 5));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(picture(*button), "disable");
    }

    void iconSizeIsInDeviceIndependentPixels_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QSize>("pixmapSize");
        QTest::addColumn<QSize>("iconSize");
        QTest::newRow("ratio 1") << 1.0 << QSize(48, 48) << QSize(48, 48);
        QTest::newRow("ratio 2") << 2.0 << QSize(48, 48) << QSize(24, 24);
        QTest::newRow("ratio 1.5, rounded") << 1.5 << QSize(25, 20) << QSize(17, 13);
    }
    void iconSizeIsInDeviceIndependentPixels()
    {
        QFETCH(double, ratio);
        QFETCH(QSize, pixmapSize);
        QFETCH(QSize, iconSize);
        DPIinfo::getInstance().setDPR(ratio);
        QPixmap pixmap(pixmapSize);
        pixmap.fill(Qt::darkCyan);
        const OrvaIconButton button(pixmap);
        QCOMPARE(button.iconSize(), iconSize);
        QVERIFY(!button.icon().isNull());
    }

    void unlistedImageGivesNullIcons()
    {
        DebugMessages messages;
        OrvaIconButton button{QString("no_such_image")};
        QVERIFY(button.icon().isNull());
        QCOMPARE(button.iconSize(), QSize(0, 0));
        QVERIFY(messages.warnings.join('\n').contains("no_such_image"));
        // Every state stays null; nothing to crash on.
        button.show();
        button.setEnabled(false);
        QVERIFY(button.icon().isNull());
    }

    void replacedPictureShowsAtTheNextStateChange()
    {
        OrvaIconButton button{QString(kImage)};
        button.show();
        QPixmap red(16, 16);
        red.fill(Qt::red);
        button.setHoverIcon(red);
        QCOMPARE(picture(button), "normal");
        button.applyHoverStyle();
        QCOMPARE(shownPicture(button.icon(), button.iconSize()), red.toImage().convertToFormat(QImage::Format_ARGB32));
    }
};

LODESTAR_TEST_MAIN(TestButtons)
#include "test-buttons.moc"
