#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The service simulator as a child process, driven through its console as a
// person at the terminal would. It listens on a private endpoint and keeps
// its state in a private data folder: its own temporary folder, or the ones
// the test names (when the agent must be pointed at the endpoint before the
// simulator runs). Waiting runs the event loop, so an agent in the test's
// process goes on meanwhile; a simulator that does not answer within 30 s
// fails the wait instead of hanging the test.
class ServiceSimulator
{
public:
    // Where a simulator listens and keeps its state.
    struct Place
    {
        QString endpoint;
        QString dataDir;
    };

    explicit ServiceSimulator(const QStringList &arguments = {});
    ServiceSimulator(const Place &place, const QStringList &arguments);
    ~ServiceSimulator();
    ServiceSimulator(const ServiceSimulator &) = delete;
    ServiceSimulator &operator=(const ServiceSimulator &) = delete;

    // Starts it and waits until it listens; false if it does not.
    bool start();
    // Sends one console command and waits for `answer`, by default the
    // simulator's "ok: <line>" that says the command was applied.
    bool command(const QString &line, const QString &answer = QString());
    // Everything it printed so far.
    QString output();

    QString endpoint() const { return socketPath; }
    QString dataDir() const { return dataPath; }

private:
    // Ends with the test: a test stopped by a crash or a sanitizer report
    // must not leave the simulator running, holding CTest's output open.
    class ChildProcess : public QProcess
    {
    protected:
        void setupChildProcess() override;
    };

    bool waitForOutput(const QString &text, int from);

    QTemporaryDir dir;
    QString socketPath;
    QString dataPath;
    QStringList arguments;
    ChildProcess process;
    QString printed;
};
