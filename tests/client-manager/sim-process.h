#pragma once

#include <QProcess>
#include <QStringList>

// The service simulator as a child process on a private endpoint, driven
// through its console the way a person at the terminal would.
class SimProcess
{
public:
    SimProcess(const QString &endpoint, const QString &dataDir, const QStringList &extraArguments = {});
    ~SimProcess();

    // Waits (running the event loop) until the simulator listens.
    bool started();
    // Sends one console command and waits until the simulator has applied it.
    bool command(const QString &line);
    // Sends a console command and waits until the simulator prints `expected`.
    bool ask(const QString &line, const QString &expected);
    // Everything the simulator printed so far.
    QString output();

private:
    bool waitForOutput(const QString &text, int from);

    QProcess process;
    QString printed;
};
