#pragma once

#include "orvakit_export.h"

#include <QString>

// The part of `path` after its last "/", when it is a plain file name on both
// Windows and Linux: not empty, not "." or "..", no separator, drive colon,
// wildcard, control character or Windows device name, no trailing dot or
// space, at most 255 bytes. Anything else gives an empty string. Pages come
// from the network, so the names they hand us are checked before a file is
// written or read under them.
ORVAKIT_EXPORT QString plainFileName(const QString &path);
