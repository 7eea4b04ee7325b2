#pragma once

#include <QString>

// Where lodestar-ctl speaks: results on standard output, errors on standard
// error, one line each, so that scripts can read one and show the other.
namespace CtlOutput {

// Writes the text and a line end to standard output at once.
void print(const QString &text);

// Writes "lodestar-ctl: <line>" to standard error and to the log. Callers
// never pass a secret: nothing the user typed as a value is echoed.
void error(const QString &line);

} // namespace CtlOutput
