#include <QtTest>

#include "test-main.h"

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "sheets/mask.h"
#include "sheets/message-label.h"
#include "sheets/message-sheet.h"
#include "widgets/clickable-label.h"

#include "sheet-host.h"

#include <QCheckBox>
#include <QMovie>
#include <QPushButton>

using Sheet = OrvaMessageSheet;

namespace {

const int Ok = QMessageBox::Ok;
const int Apply = QMessageBox::Apply;
const int Discard = QMessageBox::Discard;
const int Reset = QMessageBox::Reset;

// A sheet over `host` as the message functions lay it: on a mask over the window.
Sheet *maskedSheet(HostWindow &host, Sheet::MessageType type, const QString &text = "Are you sure?")
{
    auto *sheet = new Sheet(type, text, &host);
    OrvaMask::createMask(sheet, &host, QColor(0, 0, 0, 20));
    return sheet;
}

// A 1 x 1 GIF of two frames that loops for ever: an animation that never
// ends by itself.
bool writeTwoFrameGif(const QString &path)
{
    const QByteArray frame = QByteArray::fromHex("21f90400050000002c0000000001000100000202440100");
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff")
                         + QByteArray::fromHex("21ff0b4e45545343415045322e300301000000") + frame + frame
                         + QByteArray::fromHex("3b");
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(gif) == gif.size();
}

MessageLabel *textLabelOf(const Sheet &sheet)
{
    for (MessageLabel *label : sheet.findChildren<MessageLabel *>())
        if (label->isVisibleTo(&sheet))
            return label;
    return nullptr;
}

} // namespace

class TestMessageSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ComponentStrings::getInstance().installStrings({{"ok", "OK"},
                                                        {"cancel", "Cancel"},
                                                        {"reset", "Reset"},
                                                        {"wizard_client_upgrade", "Upgrade now"}});
    }
    void cleanup() { DPIinfo::getInstance().setDPI(1.0); }

    void widthFollowsTheParent_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("parentWidth");
        QTest::addColumn<int>("sheetWidth");
        QTest::newRow("narrow: 40 less") << 1.0 << 400 << 360;
        QTest::newRow("exactly 540: 480") << 1.0 << 540 << 480;
        QTest::newRow("560: 40 less") << 1.0 << 560 << 520;
        QTest::newRow("600: capped at 540") << 1.0 << 600 << 540;
        QTest::newRow("1000: capped at 540") << 1.0 << 1000 << 540;
        QTest::newRow("1.5, design 540: 480") << 1.5 << 810 << 720;
        QTest::newRow("1.5, design 400: 360") << 1.5 << 600 << 540;
        QTest::newRow("1.5, wide: 540") << 1.5 << 1500 << 810;
    }
    void widthFollowsTheParent()
    {
        QFETCH(double, factor);
        QFETCH(int, parentWidth);
        QFETCH(int, sheetWidth);
        DPIinfo::getInstance().setDPI(factor);
        QWidget parent;
        parent.resize(parentWidth, 500);
        Sheet sheet(Sheet::Warning, "Unable to connect.", &parent);
        QCOMPARE(sheet.width(), sheetWidth);
        QCOMPARE(sheet.minimumWidth(), sheetWidth);
        QCOMPARE(sheet.maximumWidth(), sheetWidth);
    }

    void withoutParentTheWidthIsLeftAlone()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("OrvaMessageSheet.*no parent widget"));
        Sheet sheet(Sheet::Warning, nullptr);
        QCOMPARE(sheet.minimumWidth(), 0);
    }

    void buttonsOfEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("leftToRight");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Application") << int(Sheet::Application) << QList<int>() << QStringList();
        QTest::newRow("Information") << int(Sheet::Information) << QList<int>{Ok} << QStringList{"OK"};
        QTest::newRow("Warning") << int(Sheet::Warning) << QList<int>{Ok} << QStringList{"OK"};
        QTest::newRow("Confirm") << int(Sheet::Confirm) << QList<int>{Discard, Apply}
                                 << QStringList{"Cancel", "OK"};
        QTest::newRow("ConfirmReset") << int(Sheet::ConfirmReset) << QList<int>{Reset, Discard, Apply}
                                      << QStringList{"Reset", "Cancel", "OK"};
        QTest::newRow("Upgrading") << int(Sheet::Upgrading) << QList<int>{Discard, Apply}
                                   << QStringList{"Cancel", "Upgrade now"};
        QTest::newRow("WarningConfirm") << int(Sheet::WarningConfirm) << QList<int>{Discard, Apply}
                                        << QStringList{"Cancel", "OK"};
        QTest::newRow("Processing") << int(Sheet::Processing) << QList<int>() << QStringList();
        QTest::newRow("unknown type acts as Processing") << 42 << QList<int>() << QStringList();
    }
    void buttonsOfEachType()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, leftToRight);
        QFETCH(QStringList, captions);
        HostWindow host;
        Sheet *sheet = maskedSheet(host, Sheet::MessageType(type));
        sheet->showSheet();

        QList<QAbstractButton *> buttons;
        for (int which : {Ok, Apply, Discard, Reset})
            if (QAbstractButton *button = sheet->button(QMessageBox::StandardButton(which)))
                buttons << button;
        std::sort(buttons.begin(), buttons.end(),
                  [](QAbstractButton *a, QAbstractButton *b) { return a->x() < b->x(); });
        QList<int> order;
        QStringList texts;
        for (QAbstractButton *button : buttons) {
            order << int(sheet->button(QMessageBox::StandardButton(Ok)) == button        ? Ok
                         : sheet->button(QMessageBox::StandardButton(Apply)) == button   ? Apply
                         : sheet->button(QMessageBox::StandardButton(Discard)) == button ? Discard
                                                                                         : Reset);
            texts << button->text();
            QVERIFY(button->isVisible());
        }
        QCOMPARE(order, leftToRight);
        QCOMPARE(texts, captions);
    }

    void customCaptions()
    {
        QWidget parent;
        parent.resize(600, 400);
        MsgBoxCustomBtnText captions("Delete", "Keep");
        captions.resetText = "Start over";
        Sheet sheet(Sheet::ConfirmReset, "Delete the log?", captions, &parent);
        QCOMPARE(sheet.button(QMessageBox::Apply)->text(), QString("Delete"));
        QCOMPARE(sheet.button(QMessageBox::Discard)->text(), QString("Keep"));
        QCOMPARE(sheet.button(QMessageBox::Reset)->text(), QString("Start over"));
    }

    void keys_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<int>("result");
        QTest::newRow("Confirm, Return") << int(Sheet::Confirm) << int(Qt::Key_Return) << false << Apply;
        QTest::newRow("Confirm, Enter") << int(Sheet::Confirm) << int(Qt::Key_Enter) << false << Apply;
        QTest::newRow("Confirm, Space") << int(Sheet::Confirm) << int(Qt::Key_Space) << false << Apply;
        QTest::newRow("Confirm, Escape") << int(Sheet::Confirm) << int(Qt::Key_Escape) << false << Discard;
        QTest::newRow("Information, Return") << int(Sheet::Information) << int(Qt::Key_Return) << false << Ok;
        QTest::newRow("Information, Escape stays") << int(Sheet::Information) << int(Qt::Key_Escape) << true << 0;
        QTest::newRow("Information, letter stays") << int(Sheet::Information) << int(Qt::Key_A) << true << 0;
        QTest::newRow("Processing, Return stays") << int(Sheet::Processing) << int(Qt::Key_Return) << true << 0;
    }
    void keys()
    {
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(bool, staysOpen);
        QFETCH(int, result);
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::MessageType(type));
        bool openAfterKey = false;
        const int ret = runWith(*sheet, [&] {
            typeKey(Qt::Key(key));
            openAfterKey = sheet->isVisible();
            if (openAfterKey)
                sheet->quit();
        });
        QCOMPARE(openAfterKey, staysOpen);
        QCOMPARE(ret, result);
        QVERIFY(!sheet->isVisible());
        QVERIFY2(host.behind->text().isEmpty(), "a key reached the window behind the sheet");
    }

    void returnOnAFocusedDiscardPressesDiscard()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Confirm);
        const int ret = runWith(*sheet, [&] {
            sheet->button(QMessageBox::Discard)->setFocus(Qt::TabFocusReason);
            typeKey(Qt::Key_Return);
        });
        QCOMPARE(ret, Discard);
    }

    void doubleConfirmationHoldsReturnUntilTicked()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Confirm);
        sheet->setDoubleConfirmCheckBox(true, "I understand that the settings are lost.");
        auto *label = sheet->findChild<ClickableLabel *>();
        auto *box = sheet->findChild<QCheckBox *>();
        QVERIFY(label && box);
        QCOMPARE(label->text(), QString("I understand that the settings are lost."));

        const int ret = runWith(*sheet, [&] {
            QAbstractButton *apply = sheet->button(QMessageBox::Apply);
            QVERIFY(!apply->isEnabled());
            typeKey(Qt::Key_Return);
            QVERIFY2(sheet->isVisible(), "Return ended the sheet before the box was ticked");

            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(box->isChecked());
            QVERIFY(apply->isEnabled());
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(!box->isChecked());
            QVERIFY(!apply->isEnabled());
            QTest::mouseClick(label, Qt::LeftButton);
            typeKey(Qt::Key_Return);
        });
        QCOMPARE(ret, Apply);
    }

    void rebuildKeepsTheConfirmationText()
    {
        QWidget parent;
        parent.resize(600, 400);
        Sheet sheet(Sheet::Confirm, "Reset the connection?", &parent);
        sheet.setDoubleConfirmCheckBox(true, "I understand.");
        sheet.findChild<QCheckBox *>()->setChecked(true);

        sheet.setIconVisible(false);
        const QList<QCheckBox *> boxes = sheet.findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(!boxes.first()->isChecked(), "a rebuilt box starts unchecked");
        QVERIFY(!sheet.button(QMessageBox::Apply)->isEnabled());
        QCOMPARE(sheet.findChild<ClickableLabel *>()->text(), QString("I understand."));

        sheet.setDoubleConfirmCheckBox(false, QString());
        QVERIFY(sheet.findChildren<QCheckBox *>().isEmpty());
        QVERIFY(sheet.button(QMessageBox::Apply)->isEnabled());
    }

    void closeIsRefusedOnlyWhileRunning()
    {
        HostWindow host;
        Sheet *sheet = maskedSheet(host, Sheet::Information);
        bool closedWhileRunning = true;
        runWith(*sheet, [&] {
            closedWhileRunning = host.close();
            sheet->quit();
        });
        QVERIFY(!closedWhileRunning);
        QVERIFY(host.close());
    }

    void quitEndsWithZeroAndTheSheetRunsAgain()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Confirm);
        QSignalSpy finished(sheet, &OrvaSheet::finished);

        QCOMPARE(runWith(*sheet, [&] { sheet->quit(); }), 0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QVERIFY(!sheet->isVisible());
        QVERIFY(!sheet->parentWidget()->isVisible());

        QCOMPARE(runWith(*sheet, [&] { typeKey(Qt::Key_Escape); }), Discard);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), Discard);
    }

    void execWhileRunningIsRefused()
    {
        HostWindow host;
        Sheet *sheet = maskedSheet(host, Sheet::Information);
        int nested = 0;
        const int ret = runWith(*sheet, [&] {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("exec called while the sheet runs"));
            nested = sheet->exec();
            sheet->done(7);
        });
        QCOMPARE(nested, -1);
        QCOMPARE(ret, 7);
    }

    void tabReachingTheWindowLandsInTheSheet()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Information, "Saved.");
        QWidget *afterTab = nullptr;
        QWidget *afterBacktab = nullptr;
        runWith(*sheet, [&] {
            host.behind->setFocus();
            QTest::keyClick(&host, Qt::Key_Tab);
            afterTab = QApplication::focusWidget();
            host.behind->setFocus();
            QTest::keyClick(&host, Qt::Key_Backtab);
            afterBacktab = QApplication::focusWidget();
            sheet->quit();
        });
        QCOMPARE(afterTab, sheet->button(QMessageBox::Ok));
        QCOMPARE(afterBacktab, textLabelOf(*sheet));
    }

    void backtabAfterTheLastWidgetWasRemoved()
    {
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Information, "Saved.");
        runWith(*sheet, [&] {
            // The text label is the last focusable widget; setters may run meanwhile.
            sheet->setText(QString());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            host.behind->setFocus();
            QTest::keyClick(&host, Qt::Key_Backtab);
            sheet->quit();
        });
        QVERIFY(!sheet->isVisible());
    }

    void tabInsideTheSheetNeverLeavesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Backtab") << int(Qt::Key_Backtab);
    }
    void tabInsideTheSheetNeverLeavesIt()
    {
        QFETCH(int, key);
        HostWindow host;
        QVERIFY(host.isActive());
        Sheet *sheet = maskedSheet(host, Sheet::Confirm);
        sheet->setDoubleConfirmCheckBox(true, "Sure.");
        QSet<QWidget *> visited;
        runWith(*sheet, [&] {
            for (int press = 0; press < 8; ++press) {
                typeKey(Qt::Key(key));
                QWidget *focused = QApplication::focusWidget();
                QVERIFY2(focused && sheet->isAncestorOf(focused), "the focus left the sheet");
                visited << focused;
            }
            sheet->quit();
        });
        // Text, check box, Discard (Apply is disabled until the box is ticked).
        QCOMPARE(visited.size(), 3);
    }

    void emptyTextRemovesTheLabel()
    {
        QWidget parent;
        parent.resize(600, 400);
        Sheet sheet(Sheet::Warning, "First text", &parent);
        QPointer<MessageLabel> first = textLabelOf(sheet);
        QVERIFY(first);

        sheet.setText(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(sheet.findChildren<MessageLabel *>().isEmpty());

        sheet.setText("Second text");
        QVERIFY(textLabelOf(sheet));
        QCOMPARE(textLabelOf(sheet)->text(), QString("Second text"));
    }

    // A sheet of fixed width gets no resize when its text changes: the label
    // must still grow, or the longer text is cut off.
    void newTextOnAnExistingLabelGetsItsHeight()
    {
        QWidget parent;
        parent.resize(600, 400);
        Sheet sheet(Sheet::Warning, "Short.", &parent);
        sheet.show();
        MessageLabel *label = textLabelOf(sheet);
        QVERIFY(label);
        const int oneLine = label->height();

        sheet.setText(QString("A much longer text that wraps. ").repeated(12));
        QCOMPARE(textLabelOf(sheet), label);
        QCOMPARE(label->minimumHeight(), label->heightForWidth(label->width()));
        QVERIFY(label->minimumHeight() > 2 * oneLine);
    }

    void processingAnimationStopsWithTheSheet()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("spinner.gif");
        QVERIFY(writeTwoFrameGif(file));
        HostWindow host;
        auto *sheet = new Sheet("Working...", file, &host);
        OrvaMask::createMask(sheet, &host, QColor(0, 0, 0, 20));
        QMovie *movie = sheet->findChild<QLabel *>()->movie();
        QVERIFY(movie && movie->isValid());

        QMovie::MovieState whileRunning = QMovie::NotRunning;
        runWith(*sheet, [&] {
            whileRunning = movie->state();
            sheet->done(0);
        });
        QCOMPARE(whileRunning, QMovie::Running);
        QCOMPARE(movie->state(), QMovie::NotRunning);
        delete sheet;
    }

    void iconColumnOnlyWithAnIcon()
    {
        HostWindow host;
        Sheet *sheet = maskedSheet(host, Sheet::Warning, "Unable to connect.");
        sheet->showSheet();
        // 22 of shadow band and 20 of margin; the icon adds its width and 20.
        const int textStart = 22 + 20;
        QPixmap icon(32, 32);
        icon.fill(Qt::red);
        sheet->setIcon(icon);
        QTRY_COMPARE(textLabelOf(*sheet)->x(), textStart + 32 + 20);

        sheet->setIconVisible(false);
        QTRY_COMPARE(textLabelOf(*sheet)->x(), textStart);
        sheet->quit();
    }

    void unreadableAnimationIsReported()
    {
        QWidget parent;
        parent.resize(600, 400);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot load animation.*no-such-file.gif"));
        Sheet sheet("Working...", "no-such-file.gif", &parent);
        QVERIFY(!sheet.findChild<QLabel *>()->isVisibleTo(&sheet));
        QCOMPARE(sheet.button(QMessageBox::Ok), nullptr);
    }

    void windowDestroyedWhileTheSheetRuns()
    {
        auto *host = new HostWindow;
        const ModalRescue rescue;
        QTimer::singleShot(0, host, [host] { delete host; });
        // Nothing may be left to wait for, and nothing deleted twice.
        showWarningMsg("Title", "The window goes away.", host);
    }

    void messageFunctionsOnAParent_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("confirm, Return") << "confirm" << int(Qt::Key_Return) << Apply;
        QTest::newRow("confirm, Escape") << "confirm" << int(Qt::Key_Escape) << Discard;
        QTest::newRow("custom, Return") << "custom" << int(Qt::Key_Return) << Apply;
        QTest::newRow("info") << "info" << int(Qt::Key_Return) << -1;
        QTest::newRow("warning") << "warning" << int(Qt::Key_Return) << -1;
        QTest::newRow("warning, informative") << "informative" << int(Qt::Key_Return) << -1;
        QTest::newRow("upgrading") << "upgrading" << int(Qt::Key_Escape) << -1;
    }
    void messageFunctionsOnAParent()
    {
        QFETCH(QString, function);
        QFETCH(int, key);
        QFETCH(int, result);
        HostWindow host;
        QVERIFY(host.isActive());
        auto *page = new QWidget(&host);
        page->setGeometry(50, 50, 300, 200);
        page->show();

        QString shownText;
        bool onMask = false;
        int sheetWidth = 0;
        const ModalRescue rescue;
        QTimer::singleShot(0, &host, [&] {
            auto *sheet = host.findChild<Sheet *>();
            QVERIFY(sheet);
            onMask = qobject_cast<OrvaMask *>(sheet->parentWidget()) && sheet->parentWidget()->isVisible()
                  && sheet->parentWidget()->parentWidget() == &host;
            shownText = textLabelOf(*sheet)->text();
            sheetWidth = sheet->width();
            typeKey(Qt::Key(key));
        });
        int ret = -1;
        if (function == "confirm")
            ret = showConfirmMsg("Title", "Text", page);
        else if (function == "custom")
            ret = showConfirmMsgCustomBtn("Title", "Text", MsgBoxCustomBtnText("Yes", "No"), page);
        else if (function == "info")
            showInfoMsg("Title", "Text", page);
        else if (function == "warning")
            showWarningMsg("Title", "Text", page);
        else if (function == "informative")
            showWarningMsg("Title", "Text", "More", page);
        else
            showUpgradingMsg("Title", "Text", page);
        RETURN_IF_FAILED();

        QCOMPARE(ret, result);
        QVERIFY(onMask);
        QCOMPARE(shownText, QString("Text"));
        // As wide as the window the mask covers, not as the 300-pixel page.
        QCOMPARE(sheetWidth, 540);
        QTRY_VERIFY2(host.findChildren<OrvaMask *>().isEmpty(), "the sheet and its mask stay behind");
    }

    void messageFunctionsWithoutParent_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("result");
        QTest::newRow("confirm, Cancel") << "confirm" << "Cancel" << QStringList{"Cancel", "OK"}
                                         << int(QMessageBox::Cancel);
        QTest::newRow("confirm, OK") << "confirm" << "OK" << QStringList{"Cancel", "OK"} << Apply;
        QTest::newRow("custom, Yes") << "custom" << "Yes" << QStringList{"No", "Yes"} << Apply;
        QTest::newRow("info") << "info" << "OK" << QStringList{"OK"} << -1;
    }
    void messageFunctionsWithoutParent()
    {
        QFETCH(QString, function);
        QFETCH(QString, press);
        QFETCH(QStringList, captions);
        QFETCH(int, result);

        QString title;
        QStringList shownCaptions;
        const ModalRescue rescue;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            QAbstractButton *toPress = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                shownCaptions << button->text();
                if (button->text() == press)
                    toPress = button;
            }
            QVERIFY(toPress);
            toPress->click();
        });
        int ret = -1;
        if (function == "confirm")
            ret = showConfirmMsg("Confirm title", "Text", nullptr);
        else if (function == "custom")
            ret = showConfirmMsgCustomBtn("Confirm title", "Text", MsgBoxCustomBtnText("Yes", "No"), nullptr);
        else
            showInfoMsg("Confirm title", "Text", nullptr);
        RETURN_IF_FAILED();
        QCOMPARE(title, QString("Confirm title"));
        QCOMPARE(shownCaptions, captions);
        QCOMPARE(ret, result);
    }
};

LODESTAR_TEST_MAIN(TestMessageSheet)
#include "test-message-sheet.moc"
