#include <QtTest>

#include "test-main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "agent-ui-fixture.h"
#include "global-connecter.h"
#include "edit-connection-info-dialog.h"
#include "ldap-info-page.h"

namespace {

const char *const kFields[] = {"host", "basedn", "binddn", "password", "port"};

QLineEdit *box(const EditConnectionInfoDialog &dialog, int field)
{
    return dialog.findChild<QLineEdit *>(kFields[field]);
}

QPushButton *button(const EditConnectionInfoDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(name);
}

QLabel *warning(const EditConnectionInfoDialog &dialog)
{
    return dialog.findChild<QLabel *>("warning");
}

} // namespace

class TestEditConnectionInfoDialog : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void okSendsTheBoxesAndTheStoredProtocol_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<bool>("isLdaps");
        QTest::newRow("never filled: LDAP") << false << false;
        QTest::newRow("filled with LDAPS") << true << true;
        QTest::newRow("filled with LDAP") << true << false;
    }
    void okSendsTheBoxesAndTheStoredProtocol()
    {
        QFETCH(bool, filled);
        QFETCH(bool, isLdaps);
        EditConnectionInfoDialog dialog;
        if (filled)
            dialog.setLdapInfo("10.0.0.5", "dc=a,dc=b,dc=c", "cn=admin", "636", isLdaps);
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigApplyEditLdapInfo);

        QTest::mouseClick(button(dialog, "ok"), Qt::LeftButton);

        QCOMPARE(atHub.count(), 1);
        const QStringList expected = filled ? QStringList{"10.0.0.5", "dc=a,dc=b,dc=c", "cn=admin", "", "636"}
                                            : QStringList{"", "", "", "", ""};
        for (int field = 0; field < 5; ++field)
            QCOMPARE(atHub[0][field].toString(), expected[field]);
        QCOMPARE(atHub[0][5].toBool(), isLdaps);
    }

    // The password is never read back: a value typed earlier must not be resent.
    void settingsClearThePasswordAndTheMarks()
    {
        EditConnectionInfoDialog dialog;
        box(dialog, 3)->setText("typed before");
        dialog.showFieldWarning(3);

        dialog.setLdapInfo("h", "b", "d", "389", false);

        QVERIFY(box(dialog, 3)->text().isEmpty());
        QVERIFY(warning(dialog)->isHidden());
        QCOMPARE(box(dialog, 3)->styleSheet(), getStyleSheet("ldap_info_edit", false));
    }

    void fieldWarningMarksOnlyTheLastFieldAndAClickClearsIt()
    {
        EditConnectionInfoDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.showFieldWarning(0);

        dialog.showFieldWarning(2);

        for (int field = 0; field < 5; ++field)
            QCOMPARE(box(dialog, field)->styleSheet(), getStyleSheet(field == 2 ? "edit_warn" : "ldap_info_edit", false));
        QVERIFY(warning(dialog)->isVisible());
        QCOMPARE(warning(dialog)->text(), QStringLiteral("This field is required."));
        QVERIFY(warning(dialog)->mapTo(&dialog, QPoint()).y() > box(dialog, 4)->mapTo(&dialog, QPoint()).y());

        QTest::mouseClick(box(dialog, 0), Qt::LeftButton);
        QVERIFY(warning(dialog)->isHidden());
        QCOMPARE(box(dialog, 2)->styleSheet(), getStyleSheet("ldap_info_edit", false));
    }

    void buttonsStayInPlaceWhenTheWarningComesAndGoes()
    {
        EditConnectionInfoDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint before = button(dialog, "ok")->mapTo(&dialog, QPoint());

        dialog.showFieldWarning(4);
        QCoreApplication::processEvents();
        QCOMPARE(button(dialog, "ok")->mapTo(&dialog, QPoint()), before);
        dialog.clearWarnings();
        QCoreApplication::processEvents();
        QCOMPARE(button(dialog, "ok")->mapTo(&dialog, QPoint()), before);
    }

    void busyDisablesBothButtonsButEscapeStillCloses()
    {
        EditConnectionInfoDialog dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigApplyEditLdapInfo);

        dialog.setBusy(true);
        QVERIFY(!button(dialog, "ok")->isEnabled());
        QVERIFY(!button(dialog, "cancel")->isEnabled());
        QTest::mouseClick(button(dialog, "ok"), Qt::LeftButton);
        QCOMPARE(atHub.count(), 0);
        box(dialog, 0)->setText("still editable");
        QCOMPARE(box(dialog, 0)->text(), QStringLiteral("still editable"));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        dialog.setBusy(false);
        QVERIFY(button(dialog, "ok")->isEnabled());
        QVERIFY(button(dialog, "cancel")->isEnabled());
    }

    // Left to itself the dialog makes Cancel, its first button, the default:
    // Return in a box would then throw the edits away.
    void returnInABoxApplies()
    {
        EditConnectionInfoDialog dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigApplyEditLdapInfo);
        box(dialog, 3)->setFocus();

        QTest::keyClick(box(dialog, 3), Qt::Key_Return);

        QCOMPARE(atHub.count(), 1);
        QVERIFY(dialog.isVisible());
    }

    // The dialog edits what the form entered: the same hints, and on neither
    // may the bind password be read off the screen.
    void boxesMatchTheFormAndHideThePassword()
    {
        EditConnectionInfoDialog dialog;
        LDAPInfoPage form;
        for (int field = 0; field < 5; ++field) {
            const QLineEdit *inDialog = box(dialog, field);
            const QLineEdit *onForm = form.findChild<QLineEdit *>(kFields[field]);
            QVERIFY(inDialog && onForm);
            QCOMPARE(inDialog->placeholderText(), onForm->placeholderText());
            QCOMPARE(inDialog->echoMode(), field == 3 ? QLineEdit::Password : QLineEdit::Normal);
            QCOMPARE(onForm->echoMode(), inDialog->echoMode());
            QCOMPARE(inDialog->styleSheet(), onForm->styleSheet());
            QCOMPARE(inDialog->height(), onForm->height());
        }
    }

    void cancelClosesWithoutSending()
    {
        EditConnectionInfoDialog dialog;
        dialog.open();
        QSignalSpy atHub(GlobalConnecter::getInstance(), &GlobalConnecter::sigApplyEditLdapInfo);
        QTest::mouseClick(button(dialog, "cancel"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(atHub.count(), 0);
    }
};

LODESTAR_TEST_MAIN(TestEditConnectionInfoDialog)
#include "test-edit-connection-info-dialog.moc"
