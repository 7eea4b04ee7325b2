#pragma once

#include "ctl-options.h"

// Runs one command against the service, prints its result or its error, and
// gives the exit code.
int runCtlCommand(const CtlOptions &options);
