#pragma once

#include <cstdint>

// The result of one exchange with the local service. Only cmParseFailed and
// cmAccessDenied travel as failures; cmUnavailable is reported on its own and
// cmNoError with the reply. Free of Qt, so that the Windows pipe opening can be
// built and tested without it.
enum cmError : std::int32_t {
    cmNoError = 0,
    cmParseFailed = 1,
    cmAccessDenied = 2,
    cmUnavailable = 3,
};
