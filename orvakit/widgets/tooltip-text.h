#pragma once

#include "orvakit_export.h"

#include <QString>

// Plain text as tool-tip rich text that shows the text's own line breaks and
// runs of spaces, and never interprets markup inside it.
ORVAKIT_EXPORT QString getHtmlEscapedStringForToolTip(const QString &text);
