#pragma once

#include "connection.h"
#include "frame.h"
#include "generic-scoped-handle.h"

// Framed exchange over a named-pipe handle opened for overlapped I/O. The
// handle belongs to whoever opened it: this object never closes it.
class WindowsConnection final : public Connection
{
public:
    // Both directions use the same pipe; INVALID_HANDLE_VALUE detaches it.
    void setHandle(HANDLE handle);
    // Waits of kWaitMs each that one pending read or write may take.
    void setMaxWaits(int waits);

    int send(const std::vector<char> &payload) override;
    int recv(std::vector<char> &message) override;

private:
    // Gives the call's record a fresh manual-reset event.
    static bool initOverlapped(GenericScopedHandle<OverlappedTraits> &ov);
    bool waitForIo(DWORD *transferred, HANDLE file, GenericScopedHandle<OverlappedTraits> &ov) const;
    // Waits for an operation that has been asked to cancel to end.
    static void awaitCancelled(HANDLE file, GenericScopedHandle<OverlappedTraits> &ov);

    HANDLE readHandle = INVALID_HANDLE_VALUE;
    HANDLE writeHandle = INVALID_HANDLE_VALUE;
    int maxWaits = Frame::kDefaultMaxWaits;
};
