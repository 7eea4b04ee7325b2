#pragma once

#include "ctl-options.h"

#include <QString>

// Reads a secret from where the command line says. A file must be a regular
// file owned by this user that neither its group nor others can read or
// write; that is checked on the opened file itself, so the path cannot be
// swapped between the check and the read. One line end at the end is
// dropped. On failure returns false with a one-line reason that holds
// nothing of the secret; `what` names it there ("password").
bool readSecret(const SecretOrigin &origin, const QString &what, QString *secret, QString *error);
