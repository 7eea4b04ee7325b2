#include <QtTest>

#include "test-main.h"

#include "kit-fixture.h"

#include "widgets/orva-time-combo-box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>

namespace {

// A shown, active window with an editable time box holding the half hours
// 00:00 ... 23:30 and a second field to take the focus away.
struct TimeForm
{
    TimeForm()
        : box(new OrvaTimeComboBox(&window))
        , other(new QLineEdit(&window))
    {
        box->setEditable(true);
        for (int minutes = 0; minutes < 24 * 60; minutes += 30)
            box->addItem(QTime(0, 0).addSecs(minutes * 60).toString("hh:mm"));
        box->setGeometry(10, 10, 120, 32);
        other->setGeometry(10, 60, 120, 28);
        window.resize(300, 200);
        window.show();
        window.activateWindow();
    }

    bool ready() { return QTest::qWaitForWindowActive(&window); }

    // Focus into the box, the old text selected and replaced by `text` key by key.
    void type(const QString &text)
    {
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    bool customRowShown() const
    {
        auto *list = qobject_cast<QListView *>(box->view());
        return !list->isRowHidden(0) && (box->model()->flags(box->model()->index(0, 0)) & Qt::ItemIsEnabled);
    }

    QWidget window;
    OrvaTimeComboBox *box;
    QLineEdit *other;
};

} // namespace

class TestComboBoxes : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KitFixture> kit;

private slots:
    void initTestCase() { kit = std::make_unique<KitFixture>(); }
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void paddingFollowsTheFactorWithItsFraction_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("padding");
        QTest::newRow("1.0") << 1.0 << "padding-left: 6px; \npadding-right: 6px;";
        QTest::newRow("1.25") << 1.25 << "padding-left: 7.5px; \npadding-right: 7.5px;";
        QTest::newRow("1.5") << 1.5 << "padding-left: 9px; \npadding-right: 9px;";
    }
    void paddingFollowsTheFactorWithItsFraction()
    {
        QFETCH(double, factor);
        QFETCH(QString, padding);
        DPIinfo::getInstance().setDPI(factor);
        const OrvaComboBox box;
        QVERIFY2(box.styleSheet().contains(padding + " border: 1px solid #C8D2DC;"), qPrintable(box.styleSheet()));
        QVERIFY(box.styleSheet().endsWith(getStyleSheet("component.scrollbar", false)));
        QVERIFY(!box.styleSheet().contains("%1"));
    }

    void listOpensTwoPixelsBelowTheBox()
    {
        TimeForm form;
        QVERIFY(form.ready());
        form.box->showPopup();
        QWidget *frame = form.box->view()->window();
        QTRY_VERIFY(frame->isVisible());
        const QPoint boxTop = form.box->mapToGlobal(QPoint(0, 0));
        QCOMPARE(frame->geometry().topLeft(), QPoint(boxTop.x(), boxTop.y() + form.box->height() + 2));
        form.box->hidePopup();
    }

    // What the user types, then how the box is left, and the time it shows.
    void typedTimeIsCompleted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("inCustomRow");
        QTest::newRow("9, Return") << "9" << true << "09:00" << false;
        // Qt's inline completion would have made this 10:00.
        QTest::newRow("1, Return") << "1" << true << "01:00" << false;
        QTest::newRow("7:, Return") << "7:" << true << "07:00" << false;
        QTest::newRow("9:3, Return") << "9:3" << true << "09:03" << true;
        QTest::newRow("12:30, focus out") << "12:30" << false << "12:30" << false;
        QTest::newRow("23:5, focus out") << "23:5" << false << "23:05" << true;
        QTest::newRow("25 refused after 2") << "25" << true << "02:00" << false;
        QTest::newRow("9:60 refused after 9:6") << "9:60" << true << "09:06" << true;
    }
    void typedTimeIsCompleted()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byReturn);
        QFETCH(QString, shown);
        QFETCH(bool, inCustomRow);
        TimeForm form;
        QVERIFY(form.ready());
        form.type(typed);
        QTRY_VERIFY(form.box->hasFocus());
        if (byReturn)
            QTest::keyClick(form.box, Qt::Key_Return);
        else
            form.other->setFocus();
        QTRY_VERIFY(!form.box->hasFocus());
        QCOMPARE(form.box->currentText(), shown);
        QCOMPARE(form.box->currentIndex() == 0, inCustomRow);
        QCOMPARE(form.customRowShown(), inCustomRow);
        // A typed time never becomes an entry of its own.
        QCOMPARE(form.box->count(), 49);
    }

    void validatorRefusesImpossibleTimes()
    {
        TimeForm form;
        QVERIFY(form.ready());
        const struct { const char *typed; const char *kept; } cases[] = {
            {"25", "2"}, {"24", "2"}, {":30", "3"}, {"9:60", "9:6"}, {"12:345", "12:34"}, {"7a", "7"},
        };
        for (const auto &c : cases) {
            form.type(c.typed);
            QCOMPARE(form.box->lineEdit()->text(), QString(c.kept));
        }
    }

    void clearingSelectsTheDefaultRow()
    {
        TimeForm form;
        QVERIFY(form.ready());
        form.box->setDefault("08:00");
        form.box->setCurrentText(std::string("11:00"));
        QCOMPARE(form.box->currentText(), "11:00");
        form.type("");
        form.other->setFocus();
        QTRY_VERIFY(!form.box->hasFocus());
        QCOMPARE(form.box->currentText(), "08:00");
        QVERIFY(!form.customRowShown());
    }

    void customTextFollowsTheFocus()
    {
        TimeForm form;
        QVERIFY(form.ready());
        form.box->setCustomText("custom");
        form.type("10:05");
        QTest::keyClick(form.box, Qt::Key_Return);
        QTRY_VERIFY(!form.box->hasFocus());
        QCOMPARE(form.box->itemText(0), "10:05 custom");
        QCOMPARE(form.box->currentText(), "10:05 custom");

        form.box->setFocus();
        QTRY_VERIFY(form.box->hasFocus());
        QCOMPARE(form.box->itemText(0), "10:05");
        QCOMPARE(form.box->currentText(), "10:05");

        form.other->setFocus();
        QTRY_VERIFY(!form.box->hasFocus());
        QCOMPARE(form.box->currentText(), "10:05 custom");
    }

    // The custom row is already current: only the explicit signal tells
    // listeners that it holds another time now.
    void newCustomTimeIsAnnouncedAlthoughTheRowStays()
    {
        TimeForm form;
        QVERIFY(form.ready());
        form.type("9:1");
        QTest::keyClick(form.box, Qt::Key_Return);
        QTRY_COMPARE(form.box->currentText(), "09:01");
        QSignalSpy changed(form.box, qOverload<int>(&QComboBox::currentIndexChanged));
        form.type("9:2");
        QTest::keyClick(form.box, Qt::Key_Return);
        QTRY_COMPARE(form.box->currentText(), "09:02");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), 0);
    }

    void setCurrentTextPicksARow_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fixed, listed") << false << "01:00" << 2 << "01:00";
        QTest::newRow("fixed, unlisted: first row") << false << "12:00" << 0 << "00:00";
        QTest::newRow("editable, listed") << true << "01:00" << 3 << "01:00";
        QTest::newRow("editable, unlisted: custom row") << true << "12:00" << 0 << "12:00";
    }
    void setCurrentTextPicksARow()
    {
        QFETCH(bool, editable);
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(QString, shown);
        OrvaTimeComboBox box;
        box.addItems({"00:00", "00:30", "01:00", "01:30"});
        box.setEditable(editable);
        box.setCurrentText(text.toStdString());
        QCOMPARE(box.currentIndex(), row);
        QCOMPARE(box.currentText(), shown);
    }

    void switchingEditableReservesAndRemovesTheCustomRow()
    {
        OrvaTimeComboBox box;
        box.addItems({"00:00", "00:30"});
        box.setEditable(true);
        box.setEditable(true);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.itemText(0), "");
        box.setEditable(false);
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemText(0), "00:00");
    }

    // The hidden custom row still counts for Qt; one more is allowed so that
    // the user sees as many rows as asked for.
    void visibleRowsLeaveOutTheHiddenCustomRow()
    {
        TimeForm form;
        QVERIFY(form.ready());
        form.box->setMaxVisibleItems(10);
        QCOMPARE(form.box->maxVisibleItems(), 11);

        form.box->showPopup();
        QAbstractItemView *view = form.box->view();
        QTRY_VERIFY(view->isVisible());
        int rowsSeen = 0;
        for (int row = 0; row < form.box->count(); ++row) {
            const QRect rect = view->visualRect(view->model()->index(row, 0));
            rowsSeen += rect.isValid() && view->viewport()->rect().contains(rect);
        }
        form.box->hidePopup();
        QCOMPARE(rowsSeen, 10);

        form.box->setCurrentText(std::string("09:03"));
        QCOMPARE(form.box->maxVisibleItems(), 10);
        form.box->setCurrentText(std::string("09:00"));
        QCOMPARE(form.box->maxVisibleItems(), 11);
    }

    // No custom row to show or hide: a box without rows, or one whose
    // rows the caller cleared, must simply lose the focus.
    void leavingABoxWithoutRows_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::newRow("fixed, empty") << false;
        QTest::newRow("editable, cleared") << true;
    }
    void leavingABoxWithoutRows()
    {
        QFETCH(bool, editable);
        TimeForm form;
        QVERIFY(form.ready());
        form.box->setEditable(editable);
        form.box->clear();
        form.box->setFocus();
        QTRY_VERIFY(form.box->hasFocus());
        form.other->setFocus();
        QTRY_VERIFY(!form.box->hasFocus());
        QCOMPARE(form.box->count(), 0);
    }
};

LODESTAR_TEST_MAIN(TestComboBoxes)
#include "test-combo-boxes.moc"
