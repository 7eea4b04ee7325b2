#pragma once

#include "cm-error.h"

// The two message boxes of a failing service. Both run modally without a
// parent window and return when the user has closed them.

// The service answered garbage (cmParseFailed) or refused access
// (cmAccessDenied): the agent cannot go on.
void runServiceBrokenBox(cmError err);

// The service has stayed unreachable: "Initialization failed..." with Retry.
void runServiceRetryBox();
