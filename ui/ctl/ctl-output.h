#pragma once

#include <QString>

#include <json/value.h>

// Where lodestar-ctl speaks: results on standard output, errors on standard
// error, one line each, so that scripts can read one and show the other.
namespace CtlOutput {

// Writes the text and a line end to standard output at once.
void print(const QString &text);

// Writes "lodestar-ctl: <line>" to standard error and to the log. Callers
// never pass a secret: nothing the user typed as a value is echoed.
void error(const QString &line);

// `value` as one line of JSON, UTF-8 left as it is: what --json prints.
QString jsonLine(const Json::Value &value);

} // namespace CtlOutput
