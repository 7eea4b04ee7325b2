// Round-trip time of one status exchange through the agent's communicator
// against the service simulator, beside a raw socket ping-pong of the same
// bytes: what the channel's own layers cost on top of the socket.
#include "channel-harness.h"
#include "frame.h"
#include "service-communicator.h"
#include "unix-connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <sys/socket.h>
#include <thread>

using namespace ChannelHarness;

namespace {

constexpr int kRounds = 2000;

Json::Value statusRequest()
{
    Json::Value request;
    request["action"] = "get_connection_status";
    return request;
}

// Microseconds per exchange through hub, worker thread and transport.
double communicatorRoundTrip(const QString &endpoint)
{
    qputenv("LODESTAR_SERVICE_ENDPOINT", endpoint.toLocal8Bit());
    QThread thread;
    auto *communicator = new ServiceCommunicator;
    communicator->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, communicator, &QObject::deleteLater);
    thread.start();

    GlobalConnecter *hub = GlobalConnecter::getInstance();
    QEventLoop loop;
    int answered = 0;
    QObject listener;
    QObject::connect(hub, &GlobalConnecter::sigQueryServiceDone, &listener, [&] {
        ++answered;
        loop.quit();
    });
    const Json::Value request = statusRequest();
    // The first exchange opens the socket; it is not what is measured.
    emit hub->sigQueryService(&listener, request);
    loop.exec();

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i) {
        emit hub->sigQueryService(&listener, request);
        loop.exec();
    }
    const double micros = double(timer.nsecsElapsed()) / 1000.0 / kRounds;
    thread.quit();
    thread.wait();
    if (answered != kRounds + 1)
        std::fprintf(stderr, "only %d of %d exchanges succeeded\n", answered, kRounds + 1);
    return micros;
}

// The simulator's framed reply to one status request, byte for byte.
QByteArray recordedReply(const QString &endpoint)
{
    Socket socket(connectTo(endpoint));
    UnixConnection connection;
    connection.setHandle(socket.fd);
    connection.send(compactJson(statusRequest()));
    std::vector<char> reply;
    connection.recv(reply);
    return QByteArray(reply.data(), int(reply.size())) + Frame::kEndMarker;
}

// Reads until the end marker has arrived; blocking.
void readFrame(int fd)
{
    QByteArray inbox;
    char buffer[Frame::kChunkSize];
    while (!inbox.contains(Frame::kEndMarker)) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        inbox.append(buffer, int(got));
    }
}

// Microseconds per ping-pong of the same request and reply bytes over a
// blocking socket pair, with a thread answering.
double rawRoundTrip(const QByteArray &reply)
{
    const std::vector<char> request = compactJson(statusRequest());
    const QByteArray framedRequest = QByteArray(request.data(), int(request.size())) + Frame::kEndMarker;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return -1;
    Socket client(fds[0]), server(fds[1]);
    std::thread answering([&] {
        for (int i = 0; i < kRounds; ++i) {
            readFrame(server.fd);
            writeAll(server.fd, reply);
        }
    });
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i) {
        writeAll(client.fd, framedRequest);
        readFrame(client.fd);
    }
    const double micros = double(timer.nsecsElapsed()) / 1000.0 / kRounds;
    answering.join();
    return micros;
}

// Starts the simulator on `endpoint` and waits until it listens.
bool startSimulator(QProcess &simulator, const QTemporaryDir &dir, const QString &endpoint)
{
    simulator.start(QStringLiteral(BENCH_SIMULATOR), {"--endpoint", endpoint, "--data-dir", dir.filePath("data")});
    QByteArray printed;
    while (!printed.contains("listening on ")) {
        if (!simulator.waitForReadyRead(10000))
            return false;
        printed += simulator.readAllStandardOutput();
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qRegisterMetaType<cmError>("cmError");
    QTemporaryDir dir;
    const QString endpoint = dir.filePath("service.sock");
    QProcess simulator;
    if (!startSimulator(simulator, dir, endpoint)) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    const QByteArray reply = recordedReply(endpoint);
    const double channel = communicatorRoundTrip(endpoint);
    const double raw = rawRoundTrip(reply);
    std::printf("status exchange, %d rounds, %d-byte reply\n", kRounds, reply.size());
    std::printf("  communicator + simulator: %9.1f us\n", channel);
    std::printf("  raw socket ping-pong:     %9.1f us\n", raw);
    std::printf("  ratio:                    %9.1f\n", channel / raw);
    simulator.write("quit\n");
    simulator.waitForFinished(5000);
    return 0;
}
