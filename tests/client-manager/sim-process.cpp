#include "sim-process.h"

#include <QDeadlineTimer>
#include <QtTest>

SimProcess::SimProcess(const QString &endpoint, const QString &dataDir, const QStringList &extraArguments)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(LODESTAR_TEST_SIM_PATH),
                  QStringList{"--endpoint", endpoint, "--data-dir", dataDir} + extraArguments);
}

SimProcess::~SimProcess()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.write("quit\n");
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

bool SimProcess::started()
{
    return waitForOutput(QStringLiteral("listening on"), 0);
}

bool SimProcess::command(const QString &line)
{
    return ask(line, QStringLiteral("ok: ") + line);
}

bool SimProcess::ask(const QString &line, const QString &expected)
{
    const int from = output().size();
    process.write((line + '\n').toUtf8());
    return waitForOutput(expected, from);
}

QString SimProcess::output()
{
    printed += QString::fromUtf8(process.readAll());
    return printed;
}

bool SimProcess::waitForOutput(const QString &text, int from)
{
    // Generous: a loaded machine is slow, but the simulator always answers.
    const QDeadlineTimer deadline(30000);
    while (output().indexOf(text, from) < 0) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(10);
    }
    return true;
}
