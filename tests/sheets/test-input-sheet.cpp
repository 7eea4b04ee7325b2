#include <QtTest>

#include "test-main.h"

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "sheets/input-sheet.h"
#include "sheets/mask.h"
#include "sheets/message-label.h"

#include "sheet-host.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

OrvaInputSheet *maskedSheet(HostWindow &host)
{
    auto *sheet = new OrvaInputSheet("Name of the new folder:", &host);
    OrvaMask::createMask(sheet, &host, QColor(0, 0, 0, 20));
    return sheet;
}

} // namespace

class TestInputSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ComponentStrings::getInstance().installStrings({{"ok", "OK"}, {"cancel", "Cancel"}}); }
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void widthFollowsTheParent_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("parentWidth");
        QTest::addColumn<int>("sheetWidth");
        QTest::newRow("400: 40 less") << 1.0 << 400 << 360;
        QTest::newRow("519: 40 less") << 1.0 << 519 << 479;
        QTest::newRow("520: 480") << 1.0 << 520 << 480;
        QTest::newRow("1000: 480") << 1.0 << 1000 << 480;
        QTest::newRow("1.5, design 400") << 1.5 << 600 << 540;
        QTest::newRow("1.5, wide") << 1.5 << 1500 << 720;
    }
    void widthFollowsTheParent()
    {
        QFETCH(double, factor);
        QFETCH(int, parentWidth);
        QFETCH(int, sheetWidth);
        DPIinfo::getInstance().setDPI(factor);
        QWidget parent;
        parent.resize(parentWidth, 400);
        OrvaInputSheet sheet("Name:", &parent);
        QCOMPARE(sheet.width(), sheetWidth);
        QCOMPARE(sheet.maximumWidth(), sheetWidth);
    }

    void promptLineHeightIsScaled_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1.0") << 1.0 << "Name:" << "<p style='line-height: 20px;'>Name:</p>";
        QTest::newRow("1.5") << 1.5 << "Name:" << "<p style='line-height: 30px;'>Name:</p>";
        // The prompt is the caller's text, not a style: its lengths stay as written.
        QTest::newRow("1.5, length in the prompt") << 1.5 << "Width in px, for example 10px:"
                                                   << "<p style='line-height: 30px;'>Width in px, for example 10px:</p>";
        QTest::newRow("empty prompt") << 1.0 << "" << "<p style='line-height: 20px;'></p>";
    }
    void promptLineHeightIsScaled()
    {
        QFETCH(double, factor);
        QFETCH(QString, prompt);
        QFETCH(QString, shown);
        DPIinfo::getInstance().setDPI(factor);
        QWidget parent;
        parent.resize(600, 400);
        OrvaInputSheet sheet(prompt, &parent);
        auto *label = sheet.findChild<MessageLabel *>();
        QVERIFY(label);
        QCOMPARE(label->text(), shown);
        QVERIFY(label->wordWrap());
    }

    void keysTypedIntoTheLineEdit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("content");
        QTest::newRow("Return is Ok") << int(Qt::Key_Return) << int(QMessageBox::Ok) << "abc";
        QTest::newRow("Enter is Ok") << int(Qt::Key_Enter) << int(QMessageBox::Ok) << "abc";
        QTest::newRow("Escape is Discard") << int(Qt::Key_Escape) << int(QMessageBox::Discard) << "abc";
        // Space is text here; the sheet stays open until it is quit.
        QTest::newRow("Space is typed") << int(Qt::Key_Space) << 0 << "abc ";
    }
    void keysTypedIntoTheLineEdit()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(QString, content);
        HostWindow host;
        QVERIFY(host.isActive());
        OrvaInputSheet *sheet = maskedSheet(host);
        const int ret = runWith(*sheet, [&] {
            QCOMPARE(QApplication::focusWidget(), sheet->getLineEdit());
            QTest::keyClicks(sheet->getLineEdit(), "abc");
            typeKey(Qt::Key(key));
            if (sheet->isVisible())
                sheet->quit();
        });
        QCOMPARE(ret, result);
        QCOMPARE(sheet->getContent(), content);
        QVERIFY(host.behind->text().isEmpty());
    }

    void closeRefusal_data()
    {
        QTest::addColumn<bool>("block");
        QTest::newRow("blocked by default") << true;
        QTest::newRow("not blocked") << false;
    }
    void closeRefusal()
    {
        QFETCH(bool, block);
        HostWindow host;
        OrvaInputSheet *sheet = maskedSheet(host);
        if (!block)
            sheet->setBlockWindowButton(false);
        bool closedWhileRunning = false;
        runWith(*sheet, [&] {
            closedWhileRunning = host.close();
            sheet->quit();
        });
        QCOMPARE(closedWhileRunning, !block);
    }

    void quitGivesZeroAndRunsAgain()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        OrvaInputSheet *sheet = maskedSheet(host);
        QSignalSpy finished(sheet, &OrvaSheet::finished);
        QCOMPARE(runWith(*sheet, [&] { sheet->quit(); }), 0);
        QVERIFY(!sheet->isVisible());
        QCOMPARE(runWith(*sheet, [&] { sheet->button(QMessageBox::Ok)->click(); }), int(QMessageBox::Ok));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), int(QMessageBox::Ok));
    }

    void buttonsAndDefault()
    {
        QWidget parent;
        parent.resize(600, 400);
        OrvaInputSheet sheet("Name:", &parent);
        auto *ok = qobject_cast<QPushButton *>(sheet.button(QMessageBox::Ok));
        auto *discard = qobject_cast<QPushButton *>(sheet.button(QMessageBox::Discard));
        QVERIFY(ok && discard);
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(discard->text(), QString("Cancel"));
        QVERIFY(ok->isDefault());
        QVERIFY(!discard->isDefault());
        sheet.setDefaultButton(nullptr);
        sheet.setDefaultButton(discard);
        QVERIFY(discard->isDefault());
        QVERIFY(ok->isDefault());
    }
};

LODESTAR_TEST_MAIN(TestInputSheet)
#include "test-input-sheet.moc"
