#include "service-simulator.h"

#include <QDeadlineTimer>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

// Generous: a loaded machine is slow, but the simulator always answers.
constexpr int kPatienceMs = 30000;

} // namespace

void ServiceSimulator::ChildProcess::setupChildProcess()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

ServiceSimulator::ServiceSimulator(const QStringList &arguments)
    : ServiceSimulator(Place(), arguments)
{
    socketPath = dir.filePath("service.sock");
    dataPath = dir.filePath("data");
}

ServiceSimulator::ServiceSimulator(const Place &place, const QStringList &arguments)
    : socketPath(place.endpoint)
    , dataPath(place.dataDir)
    , arguments(arguments)
{
    process.setProgram(QStringLiteral(SYNC_SERVICE_SIM));
    process.setProcessChannelMode(QProcess::MergedChannels);
}

ServiceSimulator::~ServiceSimulator()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.write("quit\n");
    if (!process.waitForFinished(kPatienceMs))
        process.kill();
    process.waitForFinished(kPatienceMs);
}

bool ServiceSimulator::start()
{
    process.setArguments(QStringList{"--endpoint", socketPath, "--data-dir", dataPath} + arguments);
    process.start();
    return process.waitForStarted(kPatienceMs) && waitForOutput(QStringLiteral("listening on "), 0);
}

bool ServiceSimulator::command(const QString &line, const QString &answer)
{
    const int from = output().size();
    process.write((line + '\n').toUtf8());
    return waitForOutput(answer.isEmpty() ? QStringLiteral("ok: ") + line : answer, from);
}

QString ServiceSimulator::output()
{
    printed += QString::fromUtf8(process.readAll());
    return printed;
}

bool ServiceSimulator::waitForOutput(const QString &text, int from)
{
    const QDeadlineTimer deadline(kPatienceMs);
    while (output().indexOf(text, from) < 0) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(10);
    }
    return true;
}
