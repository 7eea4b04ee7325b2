#include <QtTest>

#include "test-main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "agent-ui-fixture.h"
#include "global-connecter.h"
#include "aerum-connect-page.h"

namespace {

QLineEdit *nameBox(const AerumConnectPage &page)
{
    return page.findChild<QLineEdit *>("serverDisplayName");
}

QLineEdit *keyBox(const AerumConnectPage &page)
{
    return page.findChild<QLineEdit *>("connectKey");
}

QLabel *warning(const AerumConnectPage &page)
{
    return page.findChild<QLabel *>("warning");
}

QString sheet(const char *key)
{
    return getStyleSheet(key, false);
}

} // namespace

class TestAerumConnectPage : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void initTestCase()
    {
        for (const char *key : {"connect_key_edit", "aerumconnect_edit", "edit_warn"})
            QVERIFY2(!sheet(key).isEmpty(), key);
    }

    void connectSendsBothTextsAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("both empty") << QString() << QString();
        QTest::newRow("spaces kept") << " dc01 " << "KEY-1234 ";
    }
    void connectSendsBothTextsAsTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        AerumConnectPage page;
        nameBox(page)->setText(name);
        keyBox(page)->setText(key);
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigSendConnectKeyToService);

        QTest::mouseClick(page.findChild<QPushButton *>("connect"), Qt::LeftButton);

        QCOMPARE(atHub.count(), 1);
        QCOMPARE(atHub[0][0].toString(), name);
        QCOMPARE(atHub[0][1].toString(), key);
    }

    // The LDAP page must be current before the reset request goes out.
    void backAsksForTheLdapPageBeforeTheReset()
    {
        AerumConnectPage page;
        QStringList order;
        GlobalConnecter *hub = GlobalConnecter::getInstance();
        QObject receiver;
        connect(hub, &GlobalConnecter::sigBackToLdapInfoPage, &receiver, [&] { order << "back"; });
        connect(hub, &GlobalConnecter::sigSendResetLdapInfoEventToService, &receiver, [&] { order << "reset"; });
        connect(hub, &GlobalConnecter::sigSendConnectKeyToService, &receiver, [&] { order << "connect"; });

        QTest::mouseClick(page.findChild<QPushButton *>("back"), Qt::LeftButton);

        QCOMPARE(order, QStringList({"back", "reset"}));
    }

    void fieldWarningSaysWhatIsWrongBesideItsBox_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("display name") << 0 << "KEY" << "This field is required.";
        QTest::newRow("connect key, empty box") << 1 << "" << "This field is required.";
        QTest::newRow("connect key, typed") << 1 << "KEY" << "The connect key is invalid.";
    }
    void fieldWarningSaysWhatIsWrongBesideItsBox()
    {
        QFETCH(int, field);
        QFETCH(QString, key);
        QFETCH(QString, text);
        AerumConnectPage page;
        page.resize(900, 540);
        keyBox(page)->setText(key);

        page.showFieldWarning(field);

        QVERIFY(!warning(page)->isHidden());
        QCOMPARE(warning(page)->text(), text);
        QCOMPARE(nameBox(page)->styleSheet(), sheet(field == 0 ? "edit_warn" : "connect_key_edit"));
        QCOMPARE(keyBox(page)->styleSheet(), sheet(field == 1 ? "edit_warn" : "connect_key_edit"));
        // Right of its box on the same line: under the key box it hid Back
        // and Connect.
        const QRect placed = warning(page)->geometry();
        const QRect marked = (field == 0 ? nameBox(page) : keyBox(page))->geometry();
        QVERIFY(placed.left() > marked.right());
        QVERIFY(qAbs(placed.center().y() - marked.center().y()) <= 1);
        QVERIFY(page.rect().contains(placed));
        for (QPushButton *button : page.findChildren<QPushButton *>())
            QVERIFY2(!placed.intersects(button->geometry()), qPrintable(button->text()));
    }

    void unknownFieldShowsNothing()
    {
        AerumConnectPage page;
        page.showFieldWarning(2);
        QVERIFY(warning(page)->isHidden());
        QCOMPARE(keyBox(page)->styleSheet(), sheet("connect_key_edit"));
    }

    void clickIntoEitherBoxClearsTheWarningButKeepsTexts()
    {
        AerumConnectPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        nameBox(page)->setText("dc01");
        keyBox(page)->setText("KEY");
        page.showFieldWarning(1);

        QTest::mouseClick(nameBox(page), Qt::LeftButton);

        QVERIFY(warning(page)->isHidden());
        QCOMPARE(nameBox(page)->styleSheet(), sheet("aerumconnect_edit"));
        QCOMPARE(keyBox(page)->styleSheet(), sheet("aerumconnect_edit"));
        QCOMPARE(nameBox(page)->text(), QStringLiteral("dc01"));
        QCOMPARE(keyBox(page)->text(), QStringLiteral("KEY"));
    }

    void resetClearsBoxesButLeavesAVisibleWarning()
    {
        AerumConnectPage page;
        nameBox(page)->setText("dc01");
        keyBox(page)->setText("KEY");
        page.showFieldWarning(0);

        page.resetFields();

        QVERIFY(nameBox(page)->text().isEmpty());
        QVERIFY(keyBox(page)->text().isEmpty());
        QCOMPARE(nameBox(page)->styleSheet(), sheet("aerumconnect_edit"));
        QCOMPARE(keyBox(page)->styleSheet(), sheet("aerumconnect_edit"));
        QVERIFY(!warning(page)->isHidden());
    }

    void descriptionLinksToTheKnowledgeBaseArticle()
    {
        AerumConnectPage page;
        QLabel *description = nullptr;
        for (QLabel *label : page.findChildren<QLabel *>())
            if (label->text().contains("<a "))
                description = label;
        QVERIFY(description);
        QVERIFY(description->openExternalLinks());
        QVERIFY(description->text().contains(
            QRegularExpression("href=\"https://[^/\"]+/Aerum/tutorial/integrate_ldap_with_aerum_identity\"")));
    }
};

LODESTAR_TEST_MAIN(TestAerumConnectPage)
#include "test-aerum-connect-page.moc"
