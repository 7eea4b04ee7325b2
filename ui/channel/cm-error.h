#pragma once

#include "cm-error-code.h"

#include <QMetaType>

// The exchange result crosses threads in queued signals.
Q_DECLARE_METATYPE(cmError)
