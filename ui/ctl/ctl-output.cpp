#include "ctl-output.h"

#include "file-logger.h"

#include <json/writer.h>

#include <cstdio>

namespace CtlOutput {

void print(const QString &text)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stdout);
    // A script that waits on one line (as register --wait-approved prints
    // the first) must see it now, not when the program ends.
    std::fflush(stdout);
}

void error(const QString &line)
{
    // One line each, whatever a service's reason text holds.
    QString single = line;
    single.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "lodestar-ctl: %s\n", qUtf8Printable(single));
    LOG_ERROR("%s", qUtf8Printable(single));
}

QString jsonLine(const Json::Value &value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return QString::fromStdString(Json::writeString(builder, value));
}

} // namespace CtlOutput
