#pragma once

#include "sim-options.h"

#include <QLocalServer>
#include <QObject>

class SimulatedService;

// Listens on the service endpoint and serves every client that connects at
// once, each on its own session, as a service's pipe with many instances
// does: the agent and a script beside it are both answered.
class SimServer : public QObject
{
    Q_OBJECT
public:
    SimServer(SimulatedService &service, const SimOptions &options, QObject *parent = nullptr);
    ~SimServer() override;

    // False, with the reason, when the endpoint cannot be taken.
    bool listen(QString *error);

private:
    void slotNewConnection();

    SimulatedService &service;
    const SimOptions options;
    QLocalServer server;
};
