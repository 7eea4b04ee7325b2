// Receiving one large reply through the Unix transport: the time for 1 MiB,
// and whether it grows linearly from 64 KiB to 1 MiB (the time per byte
// should stay flat while the size grows sixteenfold).
#include "channel-harness.h"
#include "frame.h"
#include "unix-connection.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <thread>

using namespace ChannelHarness;

namespace {

constexpr int kRepeats = 15;

// Median nanoseconds for recv to assemble a reply of `size` bytes, written
// by another thread as fast as the socket takes it.
qint64 receiveTime(int size)
{
    const QByteArray frame = QByteArray(size, 'r') + Frame::kEndMarker;
    std::vector<qint64> times;
    for (int i = 0; i < kRepeats; ++i) {
        Socket ours, peer;
        socketPair(ours, peer);
        UnixConnection connection;
        connection.setHandle(ours.fd);
        std::vector<char> message;
        QElapsedTimer timer;
        timer.start();
        std::thread writer([&] { writeAll(peer.fd, frame); });
        const int got = connection.recv(message);
        const qint64 elapsed = timer.nsecsElapsed();
        writer.join();
        if (got != size) {
            std::fprintf(stderr, "received %d of %d bytes\n", got, size);
            return -1;
        }
        times.push_back(elapsed);
    }
    std::nth_element(times.begin(), times.begin() + kRepeats / 2, times.end());
    return times[kRepeats / 2];
}

} // namespace

int main()
{
    std::printf("%10s %12s %10s\n", "size", "time (us)", "ns/byte");
    double first = 0, last = 0;
    for (int kib = 64; kib <= 1024; kib *= 2) {
        const int size = kib * 1024;
        const qint64 nanos = receiveTime(size);
        if (nanos < 0)
            return 1;
        const double perByte = double(nanos) / size;
        std::printf("%7d KiB %12.1f %10.2f\n", kib, nanos / 1000.0, perByte);
        if (kib == 64)
            first = perByte;
        last = perByte;
    }
    std::printf("1 MiB costs %.2fx the time per byte of 64 KiB: about 1 is linear; searching the\n"
                "whole reply again after every chunk would push it toward 16\n",
                last / first);
    return 0;
}
