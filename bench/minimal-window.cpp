// The yardstick for the agent's start-up: a plain Qt window of the agent's
// size that then sends one status request to the service endpoint, and
// nothing else.
#include "frame.h"
#include "wizard.h"

#include <QApplication>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(Wizard::kDesignWidth, Wizard::kDesignHeight);
    window.show();

    QLocalSocket socket;
    QTimer::singleShot(0, &socket, [&socket] {
        socket.connectToServer(qEnvironmentVariable("LODESTAR_SERVICE_ENDPOINT"));
        socket.write("{\"action\":\"get_connection_status\"}\n");
        socket.write(Frame::kEndMarker, qint64(Frame::kMarkerSize));
        socket.flush();
    });
    return app.exec();
}
