#include "frame.h"

#include "file-logger.h"

#include <algorithm>

namespace Frame {

std::vector<char> framed(const char *payload, std::size_t size)
{
    std::vector<char> buffer;
    buffer.reserve(size + kMarkerSize);
    buffer.insert(buffer.end(), payload, payload + size);
    buffer.insert(buffer.end(), kEndMarker, kEndMarker + kMarkerSize);
    return buffer;
}

std::ptrdiff_t findEndMarker(const char *data, std::size_t size, std::size_t from)
{
    // A marker that ends in the new bytes may start up to 12 bytes before them;
    // none starts earlier, or the previous search would have found it.
    const std::size_t start = from > kMarkerSize - 1 ? from - (kMarkerSize - 1) : 0;
    if (size < kMarkerSize || start > size - kMarkerSize)
        return -1;
    const char *end = data + size;
    const char *found = std::search(data + start, end, kEndMarker, kEndMarker + kMarkerSize);
    return found == end ? -1 : found - data;
}

void logStalledWrite(int attempts)
{
    LOG_ERROR("write moved no bytes %d times", attempts);
}

} // namespace Frame
