#pragma once

#include "orvakit_export.h"

#include <QLoggingCategory>

// The category every orvakit service writes its warnings to. Applications
// that do not want them switch it off with the rule "debug.message=false".
ORVAKIT_EXPORT const QLoggingCategory &debugMessage();
