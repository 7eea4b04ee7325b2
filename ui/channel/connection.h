#pragma once

#include <vector>

// A framed, duplex byte stream to the local service. One thread uses it, one
// operation at a time; failures are logged and returned, never retried.
class Connection
{
public:
    // Writes the payload and the end marker. Returns the payload length when
    // every byte was written, else -1.
    virtual int send(const std::vector<char> &payload) = 0;

    // Appends what arrives to `message` until the first end marker, then leaves
    // exactly the payload before it and returns its length. Returns 0 when a
    // read completed empty and -1 on failure (time-out included); the bytes
    // gathered by then are not a message.
    virtual int recv(std::vector<char> &message) = 0;

protected:
    // Bindings are held by value, never deleted through this interface.
    ~Connection() = default;
};
