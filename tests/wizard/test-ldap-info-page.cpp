#include <QtTest>

#include "test-main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "agent-ui-fixture.h"
#include "global-connecter.h"
#include "ldap-info-page.h"

#include "services/dpi-info.h"

namespace {

const char *const kFields[] = {"host", "basedn", "binddn", "password", "port"};

QLineEdit *box(const LDAPInfoPage &page, int field)
{
    return page.findChild<QLineEdit *>(kFields[field]);
}

QLabel *warning(const LDAPInfoPage &page)
{
    return page.findChild<QLabel *>("warning");
}

QString sheet(const char *key)
{
    return getStyleSheet(key, false);
}

// Resets the factor even when a check fails halfway.
struct DpiFactor
{
    explicit DpiFactor(double factor) { DPIinfo::getInstance().setDPI(factor); }
    ~DpiFactor() { DPIinfo::getInstance().setDPI(1.0); }
};

} // namespace

class TestLdapInfoPage : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void initTestCase()
    {
        // An empty sheet would make every style check below pass for nothing.
        for (const char *key : {"ldap_info_edit", "edit_warn", "protocol_combobox", "protocol_combobox_hover"})
            QVERIFY2(!sheet(key).isEmpty(), key);
    }

    void nextSendsTheFieldsAsTyped_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("isLdaps");
        QTest::newRow("all empty, port hint is never a value") << QStringList{"", "", "", "", ""} << 0 << false;
        QTest::newRow("filled, LDAPS, spaces kept")
            << QStringList{" 10.0.0.5", "dc=a,dc=b,dc=c", "cn=admin,dc=a", "s3cret ", "636"} << 1 << true;
    }
    void nextSendsTheFieldsAsTyped()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, protocol);
        QFETCH(bool, isLdaps);
        LDAPInfoPage page;
        for (int field = 0; field < 5; ++field)
            box(page, field)->setText(texts[field]);
        page.findChild<QComboBox *>("protocol")->setCurrentIndex(protocol);
        QSignalSpy fromPage(&page, &LDAPInfoPage::sigSendLDAPInfoToService);
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigSendLDAPInfoToService);

        QTest::mouseClick(page.findChild<QPushButton *>("next"), Qt::LeftButton);

        QCOMPARE(fromPage.count(), 1);
        QCOMPARE(atHub.count(), 1);
        const QList<QVariant> sent = atHub.takeFirst();
        for (int field = 0; field < 5; ++field)
            QCOMPARE(sent[field].toString(), texts[field]);
        QCOMPARE(sent[5].toBool(), isLdaps);
    }

    void fieldWarningMarksOneBoxAndStandsBesideIt_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("field");
        QTest::newRow("host") << 1.0 << 0;
        QTest::newRow("base DN") << 1.0 << 1;
        QTest::newRow("bind DN") << 1.0 << 2;
        QTest::newRow("password") << 1.0 << 3;
        QTest::newRow("port") << 1.0 << 4;
        // The page grows with the factor; the warning has to stay beside its box.
        QTest::newRow("password at 1.5") << 1.5 << 3;
    }
    void fieldWarningMarksOneBoxAndStandsBesideIt()
    {
        QFETCH(double, factor);
        QFETCH(int, field);
        const DpiFactor scale(factor);
        LDAPInfoPage page;
        page.resize(int(900 * factor), int(540 * factor));

        page.showFieldWarning(field);

        QVERIFY(!warning(page)->isHidden());
        QCOMPARE(warning(page)->text(), QStringLiteral("This field is required."));
        for (int other = 0; other < 5; ++other)
            QCOMPARE(box(page, other)->styleSheet(), sheet(other == field ? "edit_warn" : "ldap_info_edit"));
        // Right of its box on the same line, inside the page, and over no
        // other box or button: under the box it hid the next one.
        const QRect placed = warning(page)->geometry();
        const QRect marked = box(page, field)->geometry();
        QVERIFY(placed.left() > marked.right());
        QVERIFY(qAbs(placed.center().y() - marked.center().y()) <= 1);
        QVERIFY(page.rect().contains(placed));
        for (QWidget *control : page.findChildren<QWidget *>())
            if (control != warning(page) && (qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
                                             || qobject_cast<QPushButton *>(control)))
                QVERIFY2(!placed.intersects(control->geometry()), qPrintable(control->objectName()));
    }

    void unknownFieldChangesNothing()
    {
        LDAPInfoPage page;
        page.showFieldWarning(5);
        page.showFieldWarning(-1);
        QVERIFY(warning(page)->isHidden());
        for (int field = 0; field < 5; ++field)
            QCOMPARE(box(page, field)->styleSheet(), sheet("ldap_info_edit"));
    }

    void clickIntoAnyBoxClearsEveryMarkButKeepsText()
    {
        LDAPInfoPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        box(page, 0)->setText("10.0.0.5");
        page.showFieldWarning(3);

        QTest::mouseClick(box(page, 0), Qt::LeftButton);

        QVERIFY(warning(page)->isHidden());
        for (int field = 0; field < 5; ++field)
            QCOMPARE(box(page, field)->styleSheet(), sheet("ldap_info_edit"));
        QCOMPARE(box(page, 0)->text(), QStringLiteral("10.0.0.5"));
    }

    void resetClearsTextsAndMarksButKeepsProtocolAndWarning()
    {
        LDAPInfoPage page;
        auto *protocol = page.findChild<QComboBox *>("protocol");
        protocol->setCurrentIndex(1);
        for (int field = 0; field < 5; ++field)
            box(page, field)->setText("x");
        page.showFieldWarning(1);

        page.resetFields();

        for (int field = 0; field < 5; ++field) {
            QVERIFY(box(page, field)->text().isEmpty());
            QCOMPARE(box(page, field)->styleSheet(), sheet("ldap_info_edit"));
        }
        QCOMPARE(protocol->currentText(), QStringLiteral("  LDAPS"));
        QVERIFY(!warning(page)->isHidden());
    }

    void portHintFollowsTheProtocol()
    {
        LDAPInfoPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *protocol = page.findChild<QComboBox *>("protocol");
        QLineEdit *port = box(page, 4);
        QCOMPARE(port->placeholderText(), QStringLiteral("389"));

        protocol->setCurrentIndex(1);
        QTRY_COMPARE(port->placeholderText(), QStringLiteral("636"));
        protocol->setCurrentIndex(0);
        QTRY_COMPARE(port->placeholderText(), QStringLiteral("389"));
        QVERIFY(port->text().isEmpty());
    }

    void hoverSheetComesAfterTheBaseSheet()
    {
        LDAPInfoPage page;
        auto *protocol = page.findChild<QComboBox *>("protocol");
        QHoverEvent enter(QEvent::HoverEnter, QPointF(5, 5), QPointF(-1, -1));
        QCoreApplication::sendEvent(protocol, &enter);
        QCOMPARE(protocol->styleSheet(), sheet("protocol_combobox") + sheet("protocol_combobox_hover"));

        QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(5, 5));
        QCoreApplication::sendEvent(protocol, &leave);
        QCOMPARE(protocol->styleSheet(), sheet("protocol_combobox"));

        QCoreApplication::sendEvent(protocol, &enter);
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(protocol, &focus);
        QCOMPARE(protocol->styleSheet(), sheet("protocol_combobox"));
    }
};

LODESTAR_TEST_MAIN(TestLdapInfoPage)
#include "test-ldap-info-page.moc"
