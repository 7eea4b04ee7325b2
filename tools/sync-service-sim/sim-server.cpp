#include "sim-server.h"

#include "sim-session.h"

#include <QFileInfo>
#include <QLocalSocket>

SimServer::SimServer(SimulatedService &simulated, const SimOptions &simOptions, QObject *parent)
    : QObject(parent), service(simulated), options(simOptions)
{
    connect(&server, &QLocalServer::newConnection, this, &SimServer::slotNewConnection);
}

SimServer::~SimServer()
{
    // The sessions hold the options and the service: they go first, while both exist.
    qDeleteAll(findChildren<SimSession *>(QString(), Qt::FindDirectChildrenOnly));
}

bool SimServer::listen(QString *error)
{
    // A socket file left by a simulator that was killed is taken over; one
    // that somebody still answers on is not.
    if (QFileInfo::exists(options.endpoint)) {
        QLocalSocket probe;
        probe.connectToServer(options.endpoint);
        if (probe.waitForConnected(1000)) {
            *error = QStringLiteral("another service already listens on %1").arg(options.endpoint);
            return false;
        }
        QLocalServer::removeServer(options.endpoint);
    }
    server.setSocketOptions(options.ownerOnly ? QLocalServer::UserAccessOption : QLocalServer::WorldAccessOption);
    if (!server.listen(options.endpoint)) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(options.endpoint, server.errorString());
        return false;
    }
    return true;
}

void SimServer::slotNewConnection()
{
    while (QLocalSocket *socket = server.nextPendingConnection())
        new SimSession(socket, service, options, this);
}
