#include "sim-console.h"

#include "sim-output.h"
#include "simulated-service.h"

#include <QCoreApplication>

#include <unistd.h>

SimConsole::SimConsole(SimulatedService &simulated, QObject *parent)
    : QObject(parent), service(simulated), notifier(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&notifier, &QSocketNotifier::activated, this, &SimConsole::slotReadable);
}

void SimConsole::slotReadable()
{
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        // Standard input has ended (or is unusable): keep serving without it.
        notifier.setEnabled(false);
        return;
    }
    partial.append(buffer, int(got));
    int newline;
    while ((newline = partial.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(partial.left(newline));
        partial.remove(0, newline + 1);
        run(line);
    }
}

void SimConsole::run(const QString &line)
{
    const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString command = words.first();
    const QString argument = words.value(1);
    const bool on = argument == QLatin1String("on");
    const bool onOff = words.size() == 2 && (on || argument == QLatin1String("off"));

    if (command == "approve" && words.size() == 1)
        service.setDeviceStatus("approved");
    else if (command == "stage" && words.size() == 1)
        service.setDeviceStatus("staged");
    else if (command == "remove" && words.size() == 1)
        service.setDeviceStatus("removed");
    else if (command == "ldap-down" && words.size() == 1)
        service.setLdapReachable(false);
    else if (command == "ldap-up" && words.size() == 1)
        service.setLdapReachable(true);
    else if (command == "quota" && onOff)
        service.setQuotaExceeded(on);
    else if (command == "restrict" && onOff)
        service.setRestricted(on);
    else if (command == "offline" && words.size() == 1)
        service.setOnline(false);
    else if (command == "online" && words.size() == 1)
        service.setOnline(true);
    else if (command == "status" && words.size() == 1) {
        say(service.describe());
        return;
    } else if (command == "help" && words.size() == 1) {
        say(QStringLiteral("approve, stage, remove, ldap-down, ldap-up, quota on|off, restrict on|off, "
                           "offline, online, status, help, quit (see --help)"));
        return;
    } else if (command == "quit" && words.size() == 1) {
        QCoreApplication::quit();
        return;
    } else {
        say(QStringLiteral("unknown command: %1 (try help)").arg(line.simplified()));
        return;
    }
    say(QStringLiteral("ok: %1").arg(line.simplified()));
}
