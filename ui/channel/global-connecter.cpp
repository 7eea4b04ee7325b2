#include "global-connecter.h"

#include <QCoreApplication>
#include <QThread>

GlobalConnecter::GlobalConnecter()
{
    qRegisterMetaType<Json::Value>("Json::Value");
    // The hub hands signals over to the main thread, whichever thread asked first.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

GlobalConnecter *GlobalConnecter::getInstance()
{
    // Built once even when several threads ask at the same time; destroyed at process exit.
    static GlobalConnecter hub;
    return &hub;
}
