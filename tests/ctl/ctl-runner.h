#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// lodestar-ctl as a child process, pointed at one endpoint and data folder.
// Waiting runs the event loop, so a peer in the test's own process answers
// meanwhile.
class CtlRunner
{
public:
    CtlRunner(const QString &endpoint, const QString &dataDir);

    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    // Runs one command with `input` on its standard input, to its end.
    Result run(const QStringList &arguments, const QByteArray &input = QByteArray()) const;

    // Starts one command and leaves it running, its standard input open.
    void start(QProcess &process, const QStringList &arguments, const QString &program = QString()) const;
    // Waits for the end of a started command and collects what it printed.
    static Result finish(QProcess &process);

    QString logText() const;

private:
    QString endpoint;
    QString dataDir;
};
