// Start-up, memory and idle cost of the agent, each beside a yardstick.
//
//  - Start-up: time from starting the process to the first request bytes at
//    the service endpoint, for the agent and for a minimal Qt program that
//    shows a plain 900 x 540 window and then sends one request; medians and
//    their ratio.
//  - Memory: peak resident size (VmHWM) one second after that first request.
//  - Idle: CPU time the agent uses over a stretch of normal polling against
//    the service simulator.
//
// Usage: bench-agent-startup [--runs N] [--idle-seconds S]
// Widgets render on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct Sample
{
    double startupMs = 0;
    long peakRssKb = 0;
};

QProcessEnvironment environmentFor(const QTemporaryDir &dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LODESTAR_SERVICE_ENDPOINT", dir.filePath("service.sock"));
    env.insert("LODESTAR_DATA_DIR", dir.filePath("data"));
    if (!env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

// A /proc/<pid>/status field in kB, or -1.
long statusKb(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// User plus system CPU time of a process, in milliseconds.
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which may hold spaces: utime and stime are 14 and 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

void stop(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// Starts `program` against a silent endpoint and times its first request.
Sample measure(const QString &program)
{
    QTemporaryDir dir;
    QLocalServer server;
    server.listen(dir.filePath("service.sock"));
    QProcess process;
    process.setProcessEnvironment(environmentFor(dir));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    QElapsedTimer clock;
    clock.start();
    process.start(program, QStringList());
    Sample sample;
    QLocalSocket *client = nullptr;
    while (clock.elapsed() < 30000) {
        if (!client && server.waitForNewConnection(1))
            client = server.nextPendingConnection();
        if (client && (client->bytesAvailable() > 0 || client->waitForReadyRead(1))) {
            sample.startupMs = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    if (sample.startupMs == 0)
        std::fprintf(stderr, "%s sent no request within 30 s\n", qPrintable(program));
    QThread::msleep(1000);
    sample.peakRssKb = statusKb(process.processId(), "VmHWM:");
    stop(process);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char *name, const std::vector<Sample> &samples, double *startup, double *rss)
{
    std::vector<double> times, sizes;
    for (const Sample &sample : samples) {
        times.push_back(sample.startupMs);
        sizes.push_back(double(sample.peakRssKb));
    }
    *startup = median(times);
    *rss = median(sizes);
    std::printf("%-16s start-up median %8.1f ms (min %.1f, max %.1f), peak RSS median %8.0f kB\n", name, *startup,
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()), *rss);
}

// CPU time of the agent over `seconds` of polling against the simulator.
void idle(int seconds)
{
    QTemporaryDir dir;
    const QProcessEnvironment env = environmentFor(dir);
    QProcess simulator;
    simulator.setProcessEnvironment(env);
    simulator.start(QStringLiteral(BENCH_SIMULATOR), QStringList());
    simulator.waitForReadyRead(10000);
    QProcess agent;
    agent.setProcessEnvironment(env);
    agent.start(QStringLiteral(BENCH_AGENT), QStringList());
    agent.waitForStarted();
    QThread::sleep(3);
    const double before = cpuMs(agent.processId());
    QThread::sleep(seconds);
    const double used = cpuMs(agent.processId()) - before;
    std::printf("agent idle       %.0f ms CPU over %d s of polling (%.3f %% of one core)\n", used, seconds,
                used / (seconds * 10.0));
    stop(agent);
    stop(simulator);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto option = [&args](const char *name, int fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
    };
    const int runs = std::max(1, option("--runs", 10));
    const int idleSeconds = option("--idle-seconds", 60);

    std::vector<Sample> agent, minimal;
    // Alternating, so that a change in the machine's load hits both alike.
    for (int run = 0; run < runs; ++run) {
        agent.push_back(measure(QStringLiteral(BENCH_AGENT)));
        minimal.push_back(measure(QStringLiteral(BENCH_MINIMAL)));
    }
    double agentStartup, agentRss, minimalStartup, minimalRss;
    report("agent", agent, &agentStartup, &agentRss);
    report("minimal window", minimal, &minimalStartup, &minimalRss);
    std::printf("ratio agent / minimal: start-up %.2f, peak RSS %.2f\n", agentStartup / minimalStartup,
                agentRss / minimalRss);
    if (idleSeconds > 0)
        idle(idleSeconds);
    return 0;
}
