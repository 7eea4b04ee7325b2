#pragma once

#include <cstddef>
#include <vector>

// One message on the service stream is its payload followed by a fixed 13-byte
// end marker: no header, no length, no escaping. Both ends of the channel (the
// agent's connections and the service simulator) frame through these.
namespace Frame {

constexpr char kEndMarker[] = "^^2552*1814^^";
constexpr std::size_t kMarkerSize = sizeof(kEndMarker) - 1;

// The most a connection asks the stream for at once.
constexpr std::size_t kChunkSize = 1023;

// One pending read or write may be waited for this many times this long
// before it is given up.
constexpr int kDefaultMaxWaits = 600;
constexpr int kWaitMs = 30;

// The payload followed by the end marker, ready to be written.
std::vector<char> framed(const char *payload, std::size_t size);

// Position of the first end marker in data[0, size), or -1. A caller that has
// already searched the bytes before `from` passes it so that only the new
// bytes, and the marker's length less one before them, are searched again.
std::ptrdiff_t findEndMarker(const char *data, std::size_t size, std::size_t from = 0);

// A stream kept accepting no bytes; reported once, by the shared send loop.
void logStalledWrite(int attempts);

} // namespace Frame
