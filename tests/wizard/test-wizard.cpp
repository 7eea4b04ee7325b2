#include <QtTest>

#include "test-main.h"

#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "agent-ui-fixture.h"
#include "modal-rescue.h"
#include "aerum-connect-page.h"
#include "aerum-loading-frame.h"
#include "edit-connection-info-dialog.h"
#include "ldap-info-page.h"
#include "no-dim-mask.h"
#include "wizard.h"

namespace {

QString currentPage(const Wizard &wizard)
{
    return wizard.findChild<QStackedWidget *>()->currentWidget()->objectName();
}

QLineEdit *ldapBox(const Wizard &wizard, const char *name)
{
    return wizard.findChild<LDAPInfoPage *>()->findChild<QLineEdit *>(name);
}

QLabel *ldapWarning(const Wizard &wizard)
{
    return wizard.findChild<LDAPInfoPage *>()->findChild<QLabel *>("warning");
}

// The loading cards that are up, wherever they are.
QList<AerumLoadingFrame *> visibleCards(const QWidget &host)
{
    QList<AerumLoadingFrame *> cards;
    for (AerumLoadingFrame *card : host.findChildren<AerumLoadingFrame *>())
        if (card->isVisible())
            cards << card;
    return cards;
}

// Counts the requests to close a window and keeps it open, so that a test
// can see Escape arrive without the application quitting.
class CloseCatcher : public QObject
{
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        ++closes;
        event->ignore();
        return true;
    }
};

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void startsOnTheInitialisationPageWithTheProductTitle()
    {
        Wizard wizard;
        QCOMPARE(currentPage(wizard), QStringLiteral("init"));
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Aerum Identity LDAP Sync Agent"));
    }

    void ldapPageKeepsInputOnlyWhileCurrent()
    {
        Wizard wizard;
        wizard.showLdapInfoPage(false, 5);
        ldapBox(wizard, "host")->setText("10.0.0.5");

        wizard.showLdapInfoPage(true, 3);
        QCOMPARE(ldapBox(wizard, "host")->text(), QStringLiteral("10.0.0.5"));
        QCOMPARE(ldapBox(wizard, "password")->styleSheet(), getStyleSheet("edit_warn", false));
        QVERIFY(!ldapWarning(wizard)->isHidden());

        wizard.showInitPage();
        wizard.showLdapInfoPage(true, 0);
        QVERIFY(ldapBox(wizard, "host")->text().isEmpty());
        QCOMPARE(ldapBox(wizard, "password")->styleSheet(), getStyleSheet("ldap_info_edit", false));
        QCOMPARE(ldapBox(wizard, "host")->styleSheet(), getStyleSheet("edit_warn", false));
        QCOMPARE(currentPage(wizard), QStringLiteral("ldapInfo"));
    }

    void connectPageWithoutAFieldShowsNoWarning()
    {
        Wizard wizard;
        wizard.showConnectPage(false, 2);
        QCOMPARE(currentPage(wizard), QStringLiteral("connect"));
        QVERIFY(wizard.findChild<AerumConnectPage *>()->findChild<QLabel *>("warning")->isHidden());
    }

    void summaryVariantsPickTheirPage_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("page");
        QTest::newRow("connected") << 0 << "connected";
        QTest::newRow("approval required") << 1 << "approvalRequired";
        QTest::newRow("disconnected") << 2 << "disconnected";
        QTest::newRow("LDAP server offline") << 3 << "ldapServerOffline";
        QTest::newRow("unknown variant 7 changes nothing") << 7 << "ldapInfo";
    }
    void summaryVariantsPickTheirPage()
    {
        QFETCH(int, variant);
        QFETCH(QString, page);
        Wizard wizard;
        wizard.showLdapInfoPage(false, 5);
        wizard.showSummary(variant, "2024.03.05 14:07:09", false, false);
        QCOMPARE(currentPage(wizard), page);
    }

    void escapeClosesTheWindowAndEndsTheApplication()
    {
        Wizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QTest::keyClick(&wizard, Qt::Key_A);
        QVERIFY(wizard.isVisible());

        const ModalRescue rescue;
        QTimer::singleShot(0, &wizard, [&wizard] { QTest::keyClick(&wizard, Qt::Key_Escape); });
        const int code = QCoreApplication::exec();
        RETURN_IF_FAILED();
        QCOMPARE(code, 0);
        QVERIFY(!wizard.isVisible());
    }

    void loadingWaitsForTheReplyAndReusesItsCard()
    {
        Wizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        const ModalRescue rescue;
        for (int run = 0; run < 2; ++run) {
            bool replyHandled = false;
            int cardsWhileWaiting = -1;
            QTimer::singleShot(0, &wizard, [&] {
                cardsWhileWaiting = visibleCards(wizard).size();
                emit wizard.sigConnectServiceDone();
                replyHandled = true;
            });
            wizard.showLoading();
            RETURN_IF_FAILED();
            QVERIFY(replyHandled);
            QCOMPARE(cardsWhileWaiting, 1);
            QVERIFY(visibleCards(wizard).isEmpty());
        }
        QCOMPARE(wizard.findChildren<AerumLoadingFrame *>().size(), 1);
    }

    // The mask stops the mouse; keys must not reach the page either, or Space
    // on the button just clicked sends the request again and nests a wait.
    void keysStayOffThePageWhileLoadingExceptEscape()
    {
        Wizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        wizard.showLdapInfoPage(false, 5);
        auto *page = wizard.findChild<LDAPInfoPage *>();
        auto *next = page->findChild<QPushButton *>("next");
        QSignalSpy sent(page, &LDAPInfoPage::sigSendLDAPInfoToService);
        CloseCatcher closeCatcher;
        wizard.installEventFilter(&closeCatcher);

        const ModalRescue rescue;
        QTimer::singleShot(0, &wizard, [&] {
            QTest::keyClick(next, Qt::Key_Space);
            QTest::keyClicks(ldapBox(wizard, "host"), "10.0.0.5");
            QTest::keyClick(ldapBox(wizard, "host"), Qt::Key_Escape);
            emit wizard.sigConnectServiceDone();
        });
        wizard.showLoading();
        RETURN_IF_FAILED();

        QCOMPARE(sent.count(), 0);
        QVERIFY(ldapBox(wizard, "host")->text().isEmpty());
        QCOMPARE(closeCatcher.closes, 1);

        // With the card gone the page takes keys again.
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(sent.count(), 1);
    }

    void doneWithoutACardDoesNothing()
    {
        Wizard wizard;
        emit wizard.sigConnectServiceDone();
        QVERIFY(wizard.findChildren<AerumLoadingFrame *>().isEmpty());
    }

    void loadingGoesOverTheDialogWhileItIsOpen()
    {
        Wizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        const ModalRescue rescue;
        QWidget *cardHost = nullptr;
        QWidget *activeDuringDialog = nullptr;
        QTimer::singleShot(0, &wizard, [&] {
            activeDuringDialog = wizard.activeWindow();
            QTimer::singleShot(0, &wizard, [&] {
                const QList<AerumLoadingFrame *> cards = wizard.findChildren<AerumLoadingFrame *>();
                for (AerumLoadingFrame *card : cards)
                    if (card->isVisible())
                        cardHost = card->window();
                emit wizard.sigConnectServiceDone();
            });
            wizard.showLoading();
            wizard.acceptEditDialog();
        });
        wizard.openEditDialog();
        RETURN_IF_FAILED();

        auto *dialog = wizard.findChild<EditConnectionInfoDialog *>();
        QCOMPARE(activeDuringDialog, dialog);
        QCOMPARE(cardHost, dialog);
        QCOMPARE(wizard.activeWindow(), &wizard);

        QWidget *laterHost = nullptr;
        QTimer::singleShot(0, &wizard, [&] {
            for (AerumLoadingFrame *card : visibleCards(wizard))
                laterHost = card->window();
            emit wizard.sigConnectServiceDone();
        });
        wizard.showLoading();
        RETURN_IF_FAILED();
        QCOMPARE(laterHost, &wizard);
    }

    void dialogOperationsWithoutADialogDoNothing()
    {
        Wizard wizard;
        wizard.setEditDialogBusy(true);
        wizard.showEditDialogWarning(1);
        wizard.setEditDialogInfo("h", "b", "d", "389", true);
        wizard.acceptEditDialog();
        QVERIFY(!wizard.findChild<EditConnectionInfoDialog *>());
    }

    void noDimMaskFollowsTheWindowAndItsContent()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *content = new QLabel("content", &window);
        content->setFixedSize(100, 50);
        QCOMPARE(NoDimMask::createMask(content, &window, QColor(0, 0, 0, 0)), content);
        auto *mask = qobject_cast<NoDimMask *>(content->parentWidget());
        QVERIFY(mask);

        content->show();
        QVERIFY(mask->isVisible());
        window.resize(800, 500);
        QCOMPARE(mask->size(), QSize(800, 500));
        content->hide();
        QVERIFY(!mask->isVisible());

        // Every warning over the edit dialog makes a mask: each must go with its
        // sheet, or the dialog collects hidden frames and resize filters.
        const QPointer<NoDimMask> watched(mask);
        delete content;
        QTRY_VERIFY(watched.isNull());
        QVERIFY(window.findChildren<NoDimMask *>().isEmpty());

        QCOMPARE(NoDimMask::createMask(nullptr, &window, Qt::transparent), nullptr);
        QLabel orphan;
        QCOMPARE(NoDimMask::createMask(&orphan, nullptr, Qt::transparent), nullptr);
    }
};

LODESTAR_TEST_MAIN(TestWizard)
#include "test-wizard.moc"
