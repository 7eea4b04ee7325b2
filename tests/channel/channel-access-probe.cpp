// Asks the service for its status once through the agent's communicator and
// prints how the exchange ended: "done", "failed <cmError>" or "unavailable".
// The access test runs it as another user.
#include "global-connecter.h"
#include "service-communicator.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qRegisterMetaType<cmError>("cmError");
    ServiceCommunicator communicator;
    GlobalConnecter *hub = GlobalConnecter::getInstance();
    // Everything lives on this thread, so the exchange runs within the emit.
    QObject::connect(hub, &GlobalConnecter::sigQueryServiceDone, [] { std::puts("done"); });
    QObject::connect(hub, &GlobalConnecter::sigQueryServiceFailed, [](cmError err) { std::printf("failed %d\n", err); });
    QObject::connect(hub, &GlobalConnecter::sigQueryServiceUnavailable, [] { std::puts("unavailable"); });
    Json::Value request;
    request["action"] = "get_connection_status";
    emit hub->sigQueryService(&app, request);
    return 0;
}
