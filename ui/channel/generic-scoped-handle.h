#pragma once

#include <windows.h>

// Owns one resource record described by Traits and releases it when the owner
// goes out of scope, so no early return can leak it.
template <typename Traits>
class GenericScopedHandle
{
public:
    using Record = typename Traits::Record;

    GenericScopedHandle() { Traits::reset(record); }
    virtual ~GenericScopedHandle() { release(); }
    GenericScopedHandle(const GenericScopedHandle &) = delete;
    GenericScopedHandle &operator=(const GenericScopedHandle &) = delete;

    Record *get() { return &record; }

    void release()
    {
        Traits::close(record);
        Traits::reset(record);
    }

private:
    Record record;
};

// An OVERLAPPED record and the event in its hEvent member. While no event is
// owned, hEvent is INVALID_HANDLE_VALUE and everything else is zero.
struct OverlappedTraits
{
    using Record = OVERLAPPED;

    static void reset(OVERLAPPED &ov)
    {
        ZeroMemory(&ov, sizeof ov);
        ov.hEvent = INVALID_HANDLE_VALUE;
    }

    static void close(OVERLAPPED &ov)
    {
        if (ov.hEvent != INVALID_HANDLE_VALUE)
            CloseHandle(ov.hEvent);
    }
};
