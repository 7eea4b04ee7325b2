#include "ctl-runner.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

// Generous: a loaded machine is slow, but lodestar-ctl always ends.
constexpr int kPatienceMs = 60000;

} // namespace

CtlRunner::CtlRunner(const QString &endpoint, const QString &dataDir)
    : endpoint(endpoint)
    , dataDir(dataDir)
{
}

CtlRunner::Result CtlRunner::run(const QStringList &arguments, const QByteArray &input) const
{
    QProcess process;
    start(process, arguments);
    process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

void CtlRunner::start(QProcess &process, const QStringList &arguments, const QString &program) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LODESTAR_SERVICE_ENDPOINT", endpoint);
    environment.insert("LODESTAR_DATA_DIR", dataDir);
    process.setProcessEnvironment(environment);
    if (program.isEmpty())
        process.start(QStringLiteral(LODESTAR_CTL), arguments);
    else
        process.start(program, QStringList(arguments));
    process.waitForStarted(kPatienceMs);
}

CtlRunner::Result CtlRunner::finish(QProcess &process)
{
    Result result;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kPatienceMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString CtlRunner::logText() const
{
    QFile file(dataDir + QStringLiteral("/log/ui/ctl.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
