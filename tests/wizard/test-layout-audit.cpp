#include <QtTest>

#include "test-main.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QTimer>

#include <functional>
#include <memory>

#include "agent-ui-fixture.h"
#include "aerum-loading-frame.h"
#include "layout-audit.h"
#include "modal-rescue.h"
#include "page-parts.h"
#include "ts-file.h"
#include "ui-environment.h"
#include "ui-strings.h"
#include "wizard-codes.h"
#include "wizard.h"

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "sheets/input-sheet.h"
#include "sheets/mask.h"
#include "sheets/message-sheet.h"

namespace {

const double kFactors[] = {1.0, 1.25, 1.5, 2.0};

// Runs `wait`, which returns only from an event loop of its own, and does
// `inside` from within that loop; `inside` must end the wait.
void fromInside(QObject *context, const std::function<void()> &wait, const std::function<void()> &inside)
{
    QTimer::singleShot(0, context, inside);
    wait();
}

// Every look at a window of one language and factor, its findings named
// after the screen they were seen on.
class Audit
{
public:
    void look(const QString &screen, QWidget *root)
    {
        // Texts set just now ask for a new layout by a posted event.
        QApplication::processEvents();
        for (const QString &finding : auditLayout(root))
            findings << screen + ": " + finding;
    }

    void lookUnderSheet(const QString &screen, Wizard &wizard, OrvaSheet &sheet)
    {
        OrvaMask::createMask(&sheet, &wizard, OrvaMask::dimColor());
        sheet.showSheet();
        look(screen, sheet.parentWidget());
    }

    QStringList findings;
};

void lookAtPages(Audit &audit, Wizard &wizard)
{
    wizard.showInitPage();
    audit.look("initialisation", &wizard);

    wizard.showLdapInfoPage(false, LdapField::Count);
    audit.look("LDAP form", &wizard);
    for (int field = 0; field < LdapField::Count; ++field) {
        wizard.showLdapInfoPage(true, field);
        audit.look(QStringLiteral("LDAP form, warning at field %1").arg(field), &wizard);
    }

    wizard.showConnectPage(false, ConnectField::Count);
    audit.look("connect page", &wizard);
    wizard.showConnectPage(true, ConnectField::ServerDisplayName);
    audit.look("connect page, name refused", &wizard);
    wizard.showConnectPage(true, ConnectField::ConnectKey);
    audit.look("connect page, key missing", &wizard);
    wizard.findChild<QLineEdit *>("connectKey")->setText("DEMO-CONNECT-KEY");
    wizard.showConnectPage(true, ConnectField::ConnectKey);
    audit.look("connect page, key refused", &wizard);

    const QString lastConnect = QStringLiteral("2026/12/05 11:30:00");
    wizard.showSummary(SummaryVariant::Connected, QString(), true, false);
    audit.look("connected, quota exceeded", &wizard);
    wizard.showSummary(SummaryVariant::Connected, QString(), false, true);
    audit.look("connected, restricted", &wizard);
    wizard.showSummary(SummaryVariant::ApprovalRequired, QString(), false, false);
    audit.look("approval required", &wizard);
    wizard.showSummary(SummaryVariant::Disconnected, lastConnect, false, false);
    audit.look("disconnected", &wizard);
    wizard.showSummary(SummaryVariant::LdapServerOffline, lastConnect, false, false);
    audit.look("LDAP server unreachable", &wizard);
}

void lookAtCardsAndSheets(Audit &audit, Wizard &wizard)
{
    fromInside(
        &wizard, [&] { wizard.showLoading(); },
        [&] {
            audit.look("loading card", wizard.findChild<AerumLoadingFrame *>()->parentWidget());
            emit wizard.sigConnectServiceDone();
        });

    // The warnings the agent itself lays over its window.
    for (int message : {UiText::ErrLdapAuthFailed, UiText::ErrQueryServiceFailed, UiText::RestrictionModeDesc}) {
        OrvaMessageSheet sheet(OrvaMessageSheet::Warning, &wizard, true);
        PageParts::prepareWarningSheet(sheet, message);
        audit.lookUnderSheet(QStringLiteral("warning sheet %1").arg(message), wizard, sheet);
        sheet.quit();
    }

    // Each kind of the library's sheets, speaking the agent's language.
    const QString text = uiString(UiText::ErrorSystem);
    const QString detail = uiString(UiText::ErrLdapAuthFailed);
    for (auto type : {OrvaMessageSheet::Information, OrvaMessageSheet::Warning, OrvaMessageSheet::Confirm,
                      OrvaMessageSheet::ConfirmReset, OrvaMessageSheet::Upgrading, OrvaMessageSheet::WarningConfirm}) {
        OrvaMessageSheet sheet(type, text, detail, &wizard, true);
        if (type == OrvaMessageSheet::WarningConfirm)
            sheet.setDoubleConfirmCheckBox(true, uiString(UiText::WaitApprovedDesc));
        audit.lookUnderSheet(QStringLiteral("message sheet of type %1").arg(int(type)), wizard, sheet);
        sheet.quit();
    }
    OrvaInputSheet input(uiString(UiText::ServerDisplayName), &wizard);
    audit.lookUnderSheet("input sheet", wizard, input);
    input.quit();
}

void lookAtEditDialog(Audit &audit, Wizard &wizard)
{
    fromInside(
        &wizard, [&] { wizard.openEditDialog(); },
        [&] {
            wizard.setEditDialogInfo("10.0.4.21", "dc=example,dc=corp,dc=local",
                                     "cn=administrator,dc=example,dc=corp,dc=local", "389", false);
            wizard.showEditDialogWarning(LdapField::Password);
            audit.look("edit dialog", wizard.activeWindow());
            wizard.acceptEditDialog();
        });
}

} // namespace

class TestLayoutAudit : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    void initTestCase()
    {
        // The Connected page builds its portal link from the domain file.
        QFile domain(fixture.dataPath("domain"));
        QVERIFY(domain.open(QIODevice::WriteOnly) && domain.write("portal.example.com\n") > 0);
    }

    // The audit itself: each kind of fault in a small window, and the one
    // overlap it lets pass.
    void auditFindsWhatItLooksFor_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("clipped caption") << "label" << "text needs";
        QTest::newRow("clipped wrapped text") << "wrapped" << "text needs";
        QTest::newRow("clipped button caption") << "button" << "text needs";
        QTest::newRow("outside its parent") << "outside" << "reaches outside";
        QTest::newRow("two boxes on each other") << "overlap" << "overlaps";
        QTest::newRow("floating warning over a button") << "warning over button" << "overlaps";
        QTest::newRow("floating warning over a box") << "warning over box" << "";
    }
    void auditFindsWhatItLooksFor()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        DPIinfo::getInstance().setDPI(1.0);
        QWidget window;
        window.resize(400, 300);
        auto *layout = new QVBoxLayout(&window);
        const QString longText = "A caption far longer than the room it has been given";
        if (fault == "label") {
            auto *label = new QLabel(longText, &window);
            label->setFixedSize(60, 20);
        } else if (fault == "wrapped") {
            auto *label = new QLabel(longText + ", wrapped over several lines", &window);
            label->setWordWrap(true);
            label->setFixedSize(100, 20);
        } else if (fault == "button") {
            (new QPushButton(longText, &window))->setFixedSize(60, 30);
        } else if (fault == "outside") {
            auto *child = new QLineEdit(new QWidget(&window));
            child->parentWidget()->setGeometry(0, 0, 100, 40);
            child->setGeometry(80, 0, 60, 30);
        } else if (fault == "overlap") {
            (new QLineEdit(&window))->setGeometry(10, 10, 100, 30);
            (new QLineEdit(&window))->setGeometry(50, 20, 100, 30);
        } else {
            QWidget *under = fault == "warning over box" ? static_cast<QWidget *>(new QLineEdit)
                                                         : new QPushButton("Next");
            layout->addWidget(under);
            auto *warning = new QLabel("Warning", &window);
            warning->setObjectName("warning");
            window.show();
            warning->setGeometry(under->geometry().adjusted(10, 0, 0, 0));
        }
        window.show();

        const QStringList findings = auditLayout(&window);
        if (expected.isEmpty())
            QVERIFY2(findings.isEmpty(), qPrintable(findings.join('\n')));
        else
            QVERIFY2(findings.size() == 1 && findings[0].contains(expected), qPrintable(findings.join('\n')));
    }

    // Every window the agent shows, in each language at each DPI factor:
    // texts fit, nothing leaves its place, no two controls overlap. The
    // factors can be split over several runs by LAYOUT_AUDIT_FACTOR.
    void everyWindow_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("language");
        const QByteArray only = qgetenv("LAYOUT_AUDIT_FACTOR");
        for (double factor : kFactors) {
            if (!only.isEmpty() && only.toDouble() != factor)
                continue;
            for (const QString &language : kShippedLanguages)
                QTest::addRow("%.2f %s", factor, qPrintable(language)) << factor << language;
        }
    }
    void everyWindow()
    {
        QFETCH(double, factor);
        QFETCH(QString, language);
        DPIinfo::getInstance().setDPI(factor);
        const std::unique_ptr<QTranslator> translator = installUiLanguage(language);
        // Point sizes grow with the screen's DPI as pixel sizes do with the factor.
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * factor);
        QApplication::setFont(font);
        completeUiEnvironment();
        // The library's other sheets take these captions from their program.
        ComponentStrings::getInstance().installStrings({{"cancel", uiString(UiText::BtnCancel)},
                                                        {"reset", "Reset"},
                                                        {"wizard_client_upgrade", "Upgrade"}});
        ModalRescue rescue;

        Wizard wizard;
        wizard.setFixedSize(DPIinfo::getInstance().scaled(Wizard::kDesignWidth),
                            DPIinfo::getInstance().scaled(Wizard::kDesignHeight));
        wizard.show();
        Audit audit;
        lookAtPages(audit, wizard);
        lookAtCardsAndSheets(audit, wizard);
        lookAtEditDialog(audit, wizard);
        RETURN_IF_FAILED();
        // One line each: a long list would be cut short inside the failure message.
        for (const QString &finding : audit.findings)
            qWarning().noquote() << finding;
        QVERIFY2(audit.findings.isEmpty(), qPrintable(QStringLiteral("%1 findings").arg(audit.findings.size())));
    }

    void cleanupTestCase() { DPIinfo::getInstance().setDPI(1.0); }
};

LODESTAR_TEST_MAIN(TestLayoutAudit)
#include "test-layout-audit.moc"
