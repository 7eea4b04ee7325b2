#include <QtTest>

#include "test-main.h"

#include "widgets/orva-menu.h"

#include <QScreen>

class TestOrvaMenu : public QObject
{
    Q_OBJECT
private slots:
    // Where the menu is opened, relative to the available area of the screen,
    // and where it must end up.
    void keptOnScreen_data()
    {
        QTest::addColumn<QString>("openedAt");
        QTest::newRow("inside") << "inside";
        QTest::newRow("right edge beyond") << "right";
        QTest::newRow("bottom edge beyond") << "bottom";
        QTest::newRow("left of the area") << "left";
        QTest::newRow("above the area") << "top";
    }
    void keptOnScreen()
    {
        QFETCH(QString, openedAt);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        OrvaMenu menu;
        for (const char *text : {"Open", "Rename", "Move to another folder", "Delete"})
            menu.addAction(text);
        const QSize size = menu.sizeHint();

        QPoint opened = area.center();
        if (openedAt == "right")
            opened.setX(area.right() - size.width() / 2);
        else if (openedAt == "bottom")
            opened.setY(area.bottom() - size.height() / 2);
        else if (openedAt == "left")
            opened.setX(area.left() - 30);
        else if (openedAt == "top")
            opened.setY(area.top() - 30);

        menu.move(opened);
        menu.show();
        const QRect shown = menu.geometry();
        QVERIFY2(area.contains(shown), qPrintable(QString("menu at %1,%2 %3x%4")
                                                      .arg(shown.x()).arg(shown.y())
                                                      .arg(shown.width()).arg(shown.height())));
        if (openedAt == "right")
            QCOMPARE(shown.x(), area.right() - size.width());
        if (openedAt == "left")
            QCOMPARE(shown.x(), area.left());
    }
};

LODESTAR_TEST_MAIN(TestOrvaMenu)
#include "test-orva-menu.moc"
