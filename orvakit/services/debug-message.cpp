#include "services/debug-message.h"

Q_LOGGING_CATEGORY(debugMessage, "debug.message")
