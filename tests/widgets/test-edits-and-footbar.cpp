#include <QtTest>

#include "test-main.h"

#include "kit-fixture.h"
#include "modal-rescue.h"

#include "widgets/orva-filter-bar.h"
#include "widgets/orva-footbar.h"
#include "widgets/orva-line-edit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

bool isPort(const QString &text)
{
    bool isNumber = false;
    const int port = text.toInt(&isNumber);
    return isNumber && port >= 1 && port <= 65535;
}

QImage look(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace

class TestEditsAndFootbar : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KitFixture> kit;

private slots:
    void initTestCase() { kit = std::make_unique<KitFixture>(); }
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void validateAsksTheCheck_data()
    {
        QTest::addColumn<bool>("withCheck");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("no check, empty") << false << "" << true;
        QTest::newRow("no check, any text") << false << "not a port" << true;
        QTest::newRow("port check, 389") << true << "389" << true;
        QTest::newRow("port check, empty") << true << "" << false;
        QTest::newRow("port check, 70000") << true << "70000" << false;
    }
    void validateAsksTheCheck()
    {
        QFETCH(bool, withCheck);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        OrvaLineEdit edit;
        edit.setValidator(isPort);
        if (!withCheck)
            edit.setValidator(nullptr);
        QTest::keyClicks(edit.getLineEdit(), text);
        QCOMPARE(edit.getEditText(), text);
        QCOMPARE(edit.validate(), valid);
    }

    void errorLookComesAndGoes()
    {
        OrvaLineEdit edit;
        edit.getPreLabel()->setText("Port");
        edit.getPostLabel()->setText("1-65535");
        edit.getLineEdit()->setText("70000");
        edit.resize(300, 28);
        edit.show();
        QLineEdit *const field = edit.getLineEdit();
        const QImage normal = look(field);
        edit.setError(true);
        QVERIFY(look(field) != normal);
        edit.setError(false);
        QCOMPARE(look(field), normal);
        QCOMPARE(edit.getLineEdit(), field);
    }

    void partsStandInARow()
    {
        DPIinfo::getInstance().setDPI(1.5);
        OrvaLineEdit edit;
        edit.getPreLabel()->setText("Port");
        edit.getPostLabel()->setText("1-65535");
        edit.setMargins(10, 2, 10, 2);
        edit.setSpacing(6);
        edit.show();
        edit.adjustSize();
        QCOMPARE(edit.getPreLabel()->x(), 15);
        QCOMPARE(edit.getLineEdit()->x(), edit.getPreLabel()->geometry().right() + 1 + 9);
        QCOMPARE(edit.getPostLabel()->x(), edit.getLineEdit()->geometry().right() + 1 + 9);
        QCOMPARE(edit.layout()->contentsMargins(), QMargins(15, 3, 15, 3));
    }

    void returnReportsTheKeyword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty bar") << "";
        QTest::newRow("a name") << "alice";
    }
    void returnReportsTheKeyword()
    {
        QFETCH(QString, typed);
        OrvaFilterBar bar;
        QSignalSpy keyword(&bar, &OrvaFilterBar::sigKeywordChanged);
        QTest::keyClicks(&bar, typed);
        QCOMPARE(keyword.count(), 0);
        QTest::keyClick(&bar, Qt::Key_Return);
        QCOMPARE(keyword.count(), 1);
        QCOMPARE(keyword.first().first().toString(), typed);
    }

    // Down is the menu's key: without a menu it does nothing, and in
    // particular does not move the cursor or reach the bar's parent.
    void downWithoutMenuDoesNothing()
    {
        QWidget parent;
        auto *bar = new OrvaFilterBar(&parent);
        bar->setText("alice");
        bar->setCursorPosition(2);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(bar, &down);
        QVERIFY(down.isAccepted());
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(bar->cursorPosition(), 2);
        QCOMPARE(bar->text(), "alice");
    }

    void menuOpensByDownOrByTheSearchButton_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Down key") << true;
        QTest::newRow("press on the search button") << false;
    }
    void menuOpensByDownOrByTheSearchButton()
    {
        QFETCH(bool, byKey);
        QWidget window;
        auto *bar = new OrvaFilterBar(&window);
        bar->setGeometry(10, 10, 300, 28);
        QMenu menu;
        menu.addAction("Name");
        menu.addAction("E-mail address");
        bar->setMenu(&menu);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The menu runs its own loop; look at it from inside, then close it.
        bool opened = false;
        const ModalRescue rescue;
        QTimer::singleShot(0, &menu, [&] {
            opened = menu.isVisible();
            menu.close();
        });
        if (byKey) {
            QTest::keyClick(bar, Qt::Key_Down);
        } else {
            auto *search = bar->findChild<QToolButton *>();
            QCOMPARE(search->geometry(), QRect(4, 2, 34, 24));
            QTest::mousePress(search, Qt::LeftButton);
        }
        QVERIFY(opened);
    }

    void footbarPutsWidgetsAtBothMargins()
    {
        OrvaFootbar bar;
        auto *help = new QPushButton("Help");
        auto *ok = new QPushButton("OK");
        auto *cancel = new QPushButton("Cancel");
        for (QPushButton *button : {help, ok, cancel})
            button->setFixedSize(80, 32);
        bar.pushLeftWidget(help);
        bar.pushRightWidget(ok);
        bar.pushRightWidget(cancel);
        bar.init();
        bar.resize(500, 48);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));

        QCOMPARE(help->geometry(), QRect(20, 8, 80, 32));
        QCOMPARE(cancel->geometry(), QRect(500 - 20 - 80, 8, 80, 32));
        QCOMPARE(ok->geometry(), QRect(500 - 20 - 80 - 10 - 80, 8, 80, 32));
    }
};

LODESTAR_TEST_MAIN(TestEditsAndFootbar)
#include "test-edits-and-footbar.moc"
