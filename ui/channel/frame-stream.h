#pragma once

#include "frame.h"

#include <vector>

// The send and receive loops that every platform connection runs over its own
// stream primitive, so the framing rules live in one place.
namespace Frame {

// Writes payload and end marker through writeSome(data, size), which moves
// some of the bytes and returns how many (possibly none), or -1 once it has
// logged why it failed. Returns the payload length when every byte went out,
// else -1. A stream that keeps accepting nothing is given up after maxWaits
// attempts instead of being retried forever.
template <typename WriteSome>
int sendFrame(const std::vector<char> &payload, int maxWaits, WriteSome writeSome)
{
    const std::vector<char> buffer = framed(payload.data(), payload.size());
    std::size_t written = 0;
    int idle = 0;
    while (written < buffer.size()) {
        const long moved = writeSome(buffer.data() + written, buffer.size() - written);
        if (moved < 0)
            return -1;
        if (moved == 0) {
            if (++idle >= maxWaits) {
                logStalledWrite(idle);
                return -1;
            }
            continue;
        }
        idle = 0;
        written += static_cast<std::size_t>(moved);
    }
    return static_cast<int>(written - kMarkerSize);
}

// Reads chunks of at most kChunkSize bytes through readSome(buffer, capacity),
// which returns the count read, 0 when a read completed empty, or -1 once it
// has logged why it failed. On finding the first end marker, leaves exactly the
// payload before it in `message` (anything after the marker is dropped) and
// returns its length. Returns 0 for an empty read and -1 for a failure; the
// bytes gathered so far then stay in `message`, unused.
template <typename ReadSome>
int recvFrame(std::vector<char> &message, ReadSome readSome)
{
    char chunk[kChunkSize + 1] = {};
    std::size_t searched = 0;
    for (;;) {
        const long got = readSome(chunk, kChunkSize);
        if (got < 0)
            return -1;
        if (got == 0)
            return 0;
        message.insert(message.end(), chunk, chunk + got);
        const std::ptrdiff_t at = findEndMarker(message.data(), message.size(), searched);
        if (at >= 0) {
            message = std::vector<char>(message.begin(), message.begin() + at);
            return static_cast<int>(at);
        }
        searched = message.size();
    }
}

} // namespace Frame
