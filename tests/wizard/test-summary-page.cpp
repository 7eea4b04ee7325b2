#include <QtTest>

#include "test-main.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

#include "agent-ui-fixture.h"
#include "file-logger.h"
#include "global-connecter.h"
#include "summary-page.h"

namespace {

QLabel *child(const SummaryPage &page, const char *name)
{
    return page.findChild<QLabel *>(name);
}

// Takes the URLs the page hands to the desktop instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char *scheme : {"https", "http", "file"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"https", "http", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestSummaryPage : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

    void writeDomainFile(const QByteArray &content)
    {
        QFile file(fixture.dataPath("domain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void cleanup()
    {
        QFile::remove(fixture.dataPath("domain"));
        logInit(LogToNothing, "", "", 50, 1, kLogDefaultComponent);
    }

    void portalAddressUsesTheFirstLineOnly()
    {
        writeDomainFile("portal.example.net\nsecond.example.net\n");
        SummaryPage page(nullptr, SummaryVariant::Connected);
        QCOMPARE(page.getUrl(), QStringLiteral("https://portal.example.net/admin/ldap-sync"));
    }

    void missingDomainFileGivesNoAddressAndOneLogLine()
    {
        const QString logFile = fixture.dataPath("ui.txt");
        QCOMPARE(logInitAgentFile(logFile.toStdString()), 0);
        SummaryPage page(nullptr, SummaryVariant::Connected);

        QCOMPARE(page.getUrl(), QString());

        QFile log(logFile);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QCOMPARE(text.count("getUrl: Open file"), 1);
        QVERIFY(text.contains(QRegularExpression("\\[ERROR\\]\\[summary-page\\.cpp:\\d+\\] getUrl: Open file .*domain failed")));
    }

    void connectedShowsAtMostOneWarning_data()
    {
        QTest::addColumn<bool>("quotaExceeded");
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<bool>("quotaShown");
        QTest::addColumn<bool>("restrictedShown");
        QTest::newRow("neither") << false << false << false << false;
        QTest::newRow("quota") << true << false << true << false;
        QTest::newRow("restricted") << false << true << false << true;
        QTest::newRow("both: restricted wins") << true << true << false << true;
    }
    void connectedShowsAtMostOneWarning()
    {
        QFETCH(bool, quotaExceeded);
        QFETCH(bool, restricted);
        QFETCH(bool, quotaShown);
        QFETCH(bool, restrictedShown);
        writeDomainFile("portal.example.net\n");
        SummaryPage page(nullptr, SummaryVariant::Connected);
        // Start from the opposite state, so a warning that is never touched shows up as a fault.
        page.updateStatus(SummaryVariant::Connected, QString(), !quotaShown, !restrictedShown);

        page.updateStatus(SummaryVariant::Connected, QString(), quotaExceeded, restricted);

        QCOMPARE(!child(page, "quota")->isHidden(), quotaShown);
        QCOMPARE(!child(page, "restricted")->isHidden(), restrictedShown);
        QVERIFY(child(page, "description")->text().contains(
            "href=\"https://portal.example.net/admin/ldap-sync\""));
    }

    void connectedTitleEndsWithTheMark()
    {
        SummaryPage page(nullptr, SummaryVariant::Connected);
        QStringList texts;
        for (QLabel *label : page.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Connected!")));
    }

    // Each update rebuilds the click handler; more than one would open the portal twice.
    void approveOpensThePortalOnceAfterRepeatedUpdates()
    {
        writeDomainFile("portal.example.net\n");
        UrlCatcher catcher;
        SummaryPage page(nullptr, SummaryVariant::ApprovalRequired);
        for (int i = 0; i < 3; ++i)
            page.updateStatus(SummaryVariant::ApprovalRequired, QString(), false, false);

        QTest::mouseClick(page.findChild<QPushButton *>("approve"), Qt::LeftButton);

        QCOMPARE(catcher.opened, QList<QUrl>{QUrl("https://portal.example.net/admin/ldap-sync")});
    }

    void disconnectedPutsTheTimeIntoTheText()
    {
        SummaryPage page(nullptr, SummaryVariant::Disconnected);
        page.updateStatus(SummaryVariant::Disconnected, "2024.03.05 14:07:09", false, false);
        QCOMPARE(child(page, "description")->text(),
                 QStringLiteral("The server last connected at 2024.03.05 14:07:09. To restore the connection, check "
                                "the network settings or reinstall Aerum Identity LDAP Sync on the server."));
    }

    void editLinkAsksForTheDialogAndNeverOpensABrowser()
    {
        UrlCatcher catcher;
        SummaryPage page(nullptr, SummaryVariant::LdapServerOffline);
        page.updateStatus(SummaryVariant::LdapServerOffline, "2024.03.05 14:07:09", false, false);
        QLabel *description = child(page, "description");
        QVERIFY(description->text().startsWith("The server was last connected at 2024.03.05 14:07:09."));
        QVERIFY(description->text().contains("href=\"editconn\""));
        QVERIFY(!description->openExternalLinks());
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigOpenEditConnectionInfo);

        emit description->linkActivated("editconn");

        QCOMPARE(atHub.count(), 1);
        QVERIFY(catcher.opened.isEmpty());
    }

    void unknownVariantBuildsABareWidget()
    {
        SummaryPage page(nullptr, 7);
        QVERIFY(page.findChildren<QWidget *>().isEmpty());
        page.updateStatus(7, "x", true, true);
    }
};

LODESTAR_TEST_MAIN(TestSummaryPage)
#include "test-summary-page.moc"
