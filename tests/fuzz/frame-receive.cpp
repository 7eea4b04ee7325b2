#include "fuzz-check.h"

#include "frame-stream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// The receive loop that every platform connection runs, fed an arbitrary
// sequence of reads. The input is a schedule: each read takes a two-byte
// little-endian header h and then up to h % 1024 bytes. h = 0xFFFF is a
// failed read, a read that delivers no bytes completed empty, and once the
// schedule runs out every read fails, as when the peer hangs up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<char> given; // every byte the loop was handed, in order
    std::size_t next = 0;
    std::size_t lastRead = 0;
    bool ended = false;
    std::vector<char> message;
    const int result = Frame::recvFrame(message, [&](char *buffer, std::size_t capacity) -> long {
        // The loop stops at the first failed or empty read.
        FUZZ_CHECK(!ended);
        FUZZ_CHECK(capacity == Frame::kChunkSize);
        if (size - next < 2) {
            ended = true;
            return -1;
        }
        const unsigned header = unsigned(data[next]) | unsigned(data[next + 1]) << 8;
        next += 2;
        if (header == 0xFFFF) {
            ended = true;
            return -1;
        }
        const std::size_t count = std::min<std::size_t>({header % 1024, size - next, capacity});
        if (count == 0) {
            ended = true;
            return 0;
        }
        std::memcpy(buffer, data + next, count);
        given.insert(given.end(), data + next, data + next + count);
        next += count;
        lastRead = count;
        return long(count);
    });

    const auto marker = std::search(given.begin(), given.end(), Frame::kEndMarker,
                                    Frame::kEndMarker + Frame::kMarkerSize);
    const bool found = marker != given.end();
    const std::size_t at = std::size_t(marker - given.begin());

    FUZZ_CHECK(result >= -1);
    // Never more bytes than it was given.
    FUZZ_CHECK(result <= 0 || std::size_t(result) <= given.size());
    if (found) {
        // The payload is exactly what came before the first marker ...
        FUZZ_CHECK(result == int(at));
        FUZZ_CHECK(message.size() == at && std::equal(message.begin(), message.end(), given.begin()));
        // ... and nothing was read past the read that completed it.
        FUZZ_CHECK(at + Frame::kMarkerSize > given.size() - lastRead);
        FUZZ_CHECK(!ended);
    } else {
        // Without a marker the exchange ends in an empty or failed read; what
        // came so far stays as it came.
        FUZZ_CHECK(ended && result <= 0);
        FUZZ_CHECK(message == given);
    }
    return 0;
}
