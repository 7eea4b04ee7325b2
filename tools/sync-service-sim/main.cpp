#include "sim-console.h"
#include "sim-options.h"
#include "sim-output.h"
#include "sim-server.h"
#include "simulated-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// The agent reads the admin-portal host from the first line of this file.
void writeDomainFile(const QString &dataDir, const QString &portalHost)
{
    const QString path = QDir(dataDir).filePath(QStringLiteral("domain"));
    QFile file(path);
    if (!QDir().mkpath(dataDir) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(portalHost.toUtf8() + '\n') < 0) {
        std::fprintf(stderr, "sync-service-sim: cannot write the domain file %s\n", qPrintable(path));
        return;
    }
    say(QStringLiteral("domain file %1: %2").arg(path, portalHost));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sync-service-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    const SimOptions options = parseSimOptions(QCoreApplication::arguments());

    SimulatedService service(options.connectKey.toStdString(), options.approveAfterMs);
    SimServer server(service, options);
    QString error;
    if (!server.listen(&error)) {
        std::fprintf(stderr, "sync-service-sim: %s\n", qPrintable(error));
        return 1;
    }
    writeDomainFile(options.dataDir, options.portalHost);
    SimConsole console(service);
    say(QStringLiteral("listening on %1").arg(options.endpoint));
    return app.exec();
}
