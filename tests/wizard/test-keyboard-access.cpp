#include <QtTest>

#include "test-main.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "agent-ui-fixture.h"
#include "global-connecter.h"
#include "modal-rescue.h"
#include "wizard-codes.h"
#include "wizard.h"

namespace {

// What a screen reader reads for `widget`.
QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("(no interface)");
}

// What a screen reader calls `widget`. On Linux Qt names a combo box by its
// value and gives its caption as the label relation, which is read first.
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (face && face->role() == QAccessible::ComboBox) {
        const auto labels = face->relations(QAccessible::Label);
        if (!labels.isEmpty())
            return labels.first().first->text(QAccessible::Name);
    }
    return accessibleText(widget, QAccessible::Name);
}

// The names of the controls Tab visits in `window`, from the one with the
// focus once round the chain.
QStringList tabRound(QWidget *window)
{
    QStringList names;
    QWidget *start = QApplication::focusWidget();
    if (!start)
        return {"(no focus)"};
    QWidget *widget = start;
    do {
        names << spokenName(widget);
        QTest::keyClick(widget, Qt::Key_Tab);
        widget = QApplication::focusWidget();
    } while (widget && widget != start && window->isAncestorOf(widget) && names.size() < 20);
    return names;
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

void type(const QString &text)
{
    QTest::keyClicks(focused(), text);
}

void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focused(), key);
}

// Shown and active as the agent's window is, so that the keyboard reaches it.
struct ShownWizard
{
    ShownWizard()
    {
        wizard.show();
        QApplication::setActiveWindow(&wizard);
    }
    Wizard wizard;
};

} // namespace

class TestKeyboardAccess : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void formsAreNamedAndWalkedInVisualOrder_data()
    {
        QTest::addColumn<bool>("ldapForm");
        QTest::addColumn<QStringList>("names");
        // The combo used to come first, known only by its value "  LDAP".
        QTest::newRow("LDAP form") << true
                                   << QStringList{"LDAP local IP", "Base DN",  "Bind DN", "Bind DN password",
                                                  "Protocol",      "Port",     "Next"};
        QTest::newRow("connect page") << false
                                      << QStringList{"Server display name", "Connect key", "Back", "Connect",
                                                     "Enter the following information to authorize your LDAP server "
                                                     "with Aerum Identity. Refer to this article to learn how to get "
                                                     "a connect key."};
    }
    void formsAreNamedAndWalkedInVisualOrder()
    {
        QFETCH(bool, ldapForm);
        QFETCH(QStringList, names);
        ShownWizard shown;
        if (ldapForm)
            shown.wizard.showLdapInfoPage(false, LdapField::Count);
        else
            shown.wizard.showConnectPage(false, ConnectField::Count);

        // The form takes the keyboard in its first box.
        QCOMPARE(tabRound(&shown.wizard), names);
    }

    void fieldDescriptionCarriesTheWarningWhileItShows()
    {
        ShownWizard shown;
        shown.wizard.showLdapInfoPage(false, LdapField::Count);
        QLineEdit *baseDn = shown.wizard.findChild<QLineEdit *>("basedn");
        QCOMPARE(accessibleText(baseDn, QAccessible::Description), QStringLiteral("Required"));

        shown.wizard.showLdapInfoPage(true, LdapField::BaseDn);
        QCOMPARE(accessibleText(baseDn, QAccessible::Description), QStringLiteral("This field is required."));
        // The rejected field takes the keyboard, so it is read out at once.
        QCOMPARE(focused(), baseDn);

        QTest::mouseClick(shown.wizard.findChild<QLineEdit *>("host"), Qt::LeftButton);
        QCOMPARE(accessibleText(baseDn, QAccessible::Description), QStringLiteral("Required"));
    }

    void keysAloneFillTheFormsAndSendThem()
    {
        ShownWizard shown;
        GlobalConnecter *hub = GlobalConnecter::getInstance();
        QSignalSpy ldapSent(hub, &GlobalConnecter::sigSendLDAPInfoToService);
        QSignalSpy keySent(hub, &GlobalConnecter::sigSendConnectKeyToService);

        shown.wizard.showLdapInfoPage(false, LdapField::Count);
        type("10.0.0.5");
        press(Qt::Key_Tab);
        type("dc=example,dc=corp,dc=local");
        press(Qt::Key_Tab);
        type("cn=admin,dc=example,dc=corp,dc=local");
        press(Qt::Key_Tab);
        type("secret");
        press(Qt::Key_Tab, 2); // past the protocol, left as it is
        type("389");
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(ldapSent.count(), 1);
        QCOMPARE(ldapSent[0].mid(0, 5), (QVariantList{"10.0.0.5", "dc=example,dc=corp,dc=local",
                                                       "cn=admin,dc=example,dc=corp,dc=local", "secret", "389"}));

        shown.wizard.showConnectPage(false, ConnectField::Count);
        type("dc01");
        press(Qt::Key_Tab);
        type("DEMO-CONNECT-KEY");
        press(Qt::Key_Tab, 2);
        // Return presses the focused button as Space does.
        press(Qt::Key_Return);
        QCOMPARE(keySent.count(), 1);
        QCOMPARE(keySent[0], (QVariantList{"dc01", "DEMO-CONNECT-KEY"}));
    }

    void settingsLinkIsReachedAndFollowedByKeys()
    {
        ShownWizard shown;
        QSignalSpy opened(GlobalConnecter::getInstance(), &GlobalConnecter::sigOpenEditConnectionInfo);
        shown.wizard.showLdapInfoPage(false, LdapField::Count);
        shown.wizard.showSummary(SummaryVariant::LdapServerOffline, "2026/12/05 11:30:00", false, false);

        press(Qt::Key_Tab);
        // The link is marked, as the focus mark of a label.
        QCOMPARE(qobject_cast<QLabel *>(focused())->selectedText(), QStringLiteral("connection settings"));
        press(Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
    }

    void editDialogOpensOnItsFirstBoxAndEscapeCloses()
    {
        ShownWizard shown;
        ModalRescue rescue;
        QString firstFocus;
        QStringList order;
        QTimer::singleShot(0, &shown.wizard, [&] {
            QWidget *dialog = shown.wizard.activeWindow();
            QApplication::setActiveWindow(dialog);
            firstFocus = focused() ? focused()->objectName() : QString();
            order = tabRound(dialog);
            QTest::keyClick(focused(), Qt::Key_Escape);
        });
        shown.wizard.openEditDialog();
        RETURN_IF_FAILED();
        QCOMPARE(firstFocus, QStringLiteral("host"));
        QCOMPARE(order, (QStringList{"LDAP local IP", "Base DN", "Bind DN", "Bind DN password", "Port", "Cancel", "OK"}));
        QCOMPARE(shown.wizard.activeWindow(), &shown.wizard);
    }
};

LODESTAR_TEST_MAIN(TestKeyboardAccess)
#include "test-keyboard-access.moc"
