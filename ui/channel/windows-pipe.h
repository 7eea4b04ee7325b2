#pragma once

#include "cm-error-code.h"

#include <string>

#include <windows.h>

// Opens the service's named pipe for overlapped reading and writing. On
// success `handle` is the open pipe, which the caller closes. Otherwise
// `handle` is INVALID_HANDLE_VALUE and the result is cmAccessDenied when the
// system refused this user (error 5), cmUnavailable for any other failure: a
// missing pipe, a busy one (it is neither waited for nor tried twice).
cmError openWindowsPipe(const std::wstring &name, HANDLE &handle);
