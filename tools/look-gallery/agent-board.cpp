#include "agent-board.h"

#include "gallery-parts.h"
#include "page-parts.h"

#include "service-time.h"
#include "ui-strings.h"
#include "wizard-codes.h"
#include "wizard.h"

#include "sheets/mask.h"
#include "sheets/message-sheet.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// Sample data, as the administrator or the service would fill it in.
const char *const kHost = "10.0.4.21";
const char *const kBaseDn = "dc=example,dc=corp,dc=local";
const char *const kBindDn = "cn=administrator,dc=example,dc=corp,dc=local";
const char *const kPort = "389";
const char *const kServerName = "DC-01";
const char *const kConnectKey = "DEMO-CONNECT-KEY";
const char *const kLastConnect = "1796470200"; // seconds, as the service reports a time

struct Screen
{
    const char *caption;
    QPixmap picture;
};

// The window as it stands once pending layouts and paints are done.
QPixmap snapshot(QWidget *window)
{
    QApplication::processEvents();
    return window->grab();
}

// Runs `wait`, which returns only from an event loop of its own, and does
// `inside` from within that loop; `inside` must end the wait.
template <typename Wait, typename Inside>
void fromInside(QObject *context, Wait wait, Inside inside)
{
    QTimer::singleShot(0, context, inside);
    wait();
}

// Fills the box the page names `objectName`, which then has the focus, as
// after typing.
void typeInto(QWidget *window, const char *objectName, const QString &text)
{
    if (auto *edit = window->findChild<QLineEdit *>(objectName)) {
        edit->setText(text);
        edit->setFocus();
    }
}

// The warning sheet as the client manager lays it over the window.
QPixmap underWarningSheet(Wizard &wizard, int message)
{
    OrvaMessageSheet sheet(OrvaMessageSheet::Warning, &wizard, true);
    PageParts::prepareWarningSheet(sheet, message);
    OrvaMask::createMask(&sheet, &wizard, OrvaMask::dimColor());
    sheet.showSheet();
    const QPixmap picture = snapshot(&wizard);
    sheet.quit();
    return picture;
}

QPixmap underLoadingCard(Wizard &wizard)
{
    QPixmap picture;
    fromInside(
        &wizard, [&] { wizard.showLoading(); },
        [&] {
            picture = snapshot(&wizard);
            emit wizard.sigConnectServiceDone();
        });
    return picture;
}

// The edit dialog is a window of its own, centred over the wizard.
QPixmap underEditDialog(Wizard &wizard)
{
    QPixmap picture = snapshot(&wizard);
    fromInside(
        &wizard, [&] { wizard.openEditDialog(); },
        [&] {
            wizard.setEditDialogInfo(kHost, kBaseDn, kBindDn, kPort, false);
            wizard.showEditDialogWarning(LdapField::Password);
            QApplication::processEvents();
            QWidget *dialog = wizard.activeWindow();
            // Around its card the dialog is see-through: only the card and
            // its shadow land on the window.
            const QPoint centred((picture.width() - dialog->width()) / 2, (picture.height() - dialog->height()) / 2);
            dialog->render(&picture, centred, QRegion(), QWidget::DrawChildren);
            wizard.acceptEditDialog();
        });
    return picture;
}

QList<Screen> agentScreens()
{
    // Sized and shown as the client manager does it.
    Wizard wizard;
    wizard.setFixedSize(px(Wizard::kDesignWidth), px(Wizard::kDesignHeight));
    wizard.show();
    QApplication::setActiveWindow(&wizard);
    const QString lastConnect = formatServiceTime(kLastConnect);
    QList<Screen> screens;

    wizard.showInitPage();
    screens.append({"Initialisation", snapshot(&wizard)});

    wizard.showLdapInfoPage(true, LdapField::BaseDn);
    typeInto(&wizard, "host", kHost);
    screens.append({"LDAP form, base DN rejected", snapshot(&wizard)});
    screens.append({"Waiting for the service", underLoadingCard(wizard)});
    screens.append({"Request failed", underWarningSheet(wizard, UiText::ErrLdapAuthFailed)});

    wizard.showConnectPage(false, ConnectField::Count);
    typeInto(&wizard, "serverDisplayName", kServerName);
    typeInto(&wizard, "connectKey", kConnectKey);
    wizard.showConnectPage(true, ConnectField::ConnectKey);
    screens.append({"Connect page, key refused", snapshot(&wizard)});

    wizard.showSummary(SummaryVariant::ApprovalRequired, QString(), false, false);
    screens.append({"Approval required", snapshot(&wizard)});
    wizard.showSummary(SummaryVariant::Connected, QString(), true, false);
    screens.append({"Connected, quota exceeded", snapshot(&wizard)});
    wizard.showSummary(SummaryVariant::Disconnected, lastConnect, false, false);
    screens.append({"Disconnected", snapshot(&wizard)});
    wizard.showSummary(SummaryVariant::LdapServerOffline, lastConnect, false, false);
    screens.append({"LDAP server unreachable", snapshot(&wizard)});
    screens.append({"Edit dialog, password rejected", underEditDialog(wizard)});
    return screens;
}

QWidget *framed(const Screen &screen)
{
    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(4));
    layout->addWidget(caption(screen.caption));
    auto *picture = new QLabel;
    picture->setPixmap(screen.picture);
    // One pixel of the gallery's own, so the white window shows its edge.
    picture->setStyleSheet("QLabel { border: 1px solid #C8D2DC; }");
    picture->setFixedSize(screen.picture.size() + QSize(2, 2));
    layout->addWidget(picture);
    return cell;
}

} // namespace

QWidget *createAgentBoard()
{
    auto *board = new QWidget;
    auto *grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(px(32));
    grid->setVerticalSpacing(px(20));
    grid->addWidget(heading("Agent"), 0, 0, 1, 2);
    const QList<Screen> screens = agentScreens();
    for (int i = 0; i < screens.size(); ++i)
        grid->addWidget(framed(screens[i]), 1 + i / 2, i % 2);
    return board;
}
