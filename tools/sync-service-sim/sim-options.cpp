#include "sim-options.h"

#include "platform-paths.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

const struct
{
    const char *name;
    Fault fault;
    const char *meaning;
} kFaults[] = {
    {"close-after-reply", Fault::CloseAfterReply, "close the connection after each reply"},
    {"never-reply", Fault::NeverReply, "read requests but never answer"},
    {"not-json", Fault::NotJson, "answer with framed text that is not JSON"},
    {"split-marker", Fault::SplitMarker, "write the end marker in two writes, 50 ms apart"},
    {"trailing-bytes", Fault::TrailingBytes, "send extra bytes after the end marker"},
    {"drip", Fault::Drip, "write the reply one byte at a time, 1 ms apart"},
    {"empty-reason", Fault::EmptyReason, "answer every request with \"success\" false and an empty reason"},
};

const char kCommands[] =
    "Commands on standard input, one per line, change what the agent is told:\n"
    "  approve          the server is approved in the admin portal (device_status \"approved\")\n"
    "  stage            the server waits for approval (device_status \"staged\")\n"
    "  remove           the server was removed in the portal (device_status \"removed\")\n"
    "  ldap-down        the LDAP server cannot be reached: ldap_unreachable is true and\n"
    "                   set_ldap_info fails with \"request error\"\n"
    "  ldap-up          the LDAP server is reachable again\n"
    "  quota on|off     user, group or licence limits are reached (quota_exceeded)\n"
    "  restrict on|off  the tenant is in restricted mode (restriction_mode; an approved\n"
    "                   device becomes \"restricted\"); register fails with \"restriction_mode\"\n"
    "  offline          the cloud service cannot be reached: ready is false and\n"
    "                   last_connect_time stays at the last contact\n"
    "  online           the cloud service is reachable again\n"
    "  status           print the state\n"
    "  help             print these commands\n"
    "  quit             stop the simulator\n"
    "\n"
    "Validation: set_ldap_info needs a host, base DN, bind DN and password that are not\n"
    "empty and a port from 1 to 65535; a host under the \".invalid\" domain or an LDAP\n"
    "server that is down gives \"request error\". register needs stored LDAP settings, a\n"
    "display name that is not empty, the connect key, and the cloud service online.\n"
    "reset_ldap_info forgets the LDAP settings. The domain file (first line: the portal\n"
    "host) is written under the data folder at start.";

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "sync-service-sim: %s\n", qPrintable(why));
    std::exit(2);
}

int wholeNumber(const QString &text, const QString &option, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > maximum)
        fail(QStringLiteral("--%1 needs a whole number from 0 to %2, not \"%3\"").arg(option).arg(maximum).arg(text));
    return value;
}

} // namespace

SimOptions parseSimOptions(const QStringList &arguments)
{
    QString faultList;
    for (const auto &entry : kFaults)
        faultList += QStringLiteral("\n  %1: %2").arg(QLatin1String(entry.name), QLatin1String(entry.meaning));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A stand-in for the local synchronisation service: it answers the agent's framed JSON "
                       "requests on the service endpoint, to every client that connects, each on its own connection.\n\n")
        + QLatin1String(kCommands));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption endpoint(
        "endpoint",
        QStringLiteral("Socket to listen on (default: $LODESTAR_SERVICE_ENDPOINT, else %1).")
            .arg(PlatformPaths::defaultServiceEndpoint()),
        "path");
    const QCommandLineOption dataDir(
        "data-dir",
        QStringLiteral("Folder that receives the domain file (default: $LODESTAR_DATA_DIR, else %1).")
            .arg(PlatformPaths::defaultDataRoot()),
        "path");
    const QCommandLineOption portalHost("portal-host", "Admin-portal host written to the domain file.", "host",
                                        "portal.aerum-identity.example");
    const QCommandLineOption connectKey("connect-key", "The connect key that register accepts.", "key",
                                        "DEMO-CONNECT-KEY");
    const QCommandLineOption approveAfter(
        "approve-after", "Approve a registered server by itself after this many seconds.", "seconds");
    const QCommandLineOption replyDelay("reply-delay", "Wait this many milliseconds before every reply.", "ms");
    const QCommandLineOption ownerOnly(
        "owner-only", "Only the simulator's own user may connect; other users are refused (access denied).");
    const QCommandLineOption fault("fault", QStringLiteral("Misbehave on purpose; may be repeated:") + faultList,
                                   "name");
    parser.addOptions({endpoint, dataDir, portalHost, connectKey, approveAfter, replyDelay, ownerOnly, fault});
    parser.process(arguments);
    if (!parser.positionalArguments().isEmpty())
        fail(QStringLiteral("unexpected argument \"%1\" (see --help)").arg(parser.positionalArguments().first()));

    SimOptions options;
    options.endpoint = parser.isSet(endpoint) ? parser.value(endpoint) : PlatformPaths::serviceEndpoint();
    options.dataDir = parser.isSet(dataDir) ? parser.value(dataDir) : PlatformPaths::dataRoot();
    options.portalHost = parser.value(portalHost);
    options.connectKey = parser.value(connectKey);
    if (parser.isSet(approveAfter))
        options.approveAfterMs = wholeNumber(parser.value(approveAfter), "approve-after", INT_MAX / 1000) * 1000;
    if (parser.isSet(replyDelay))
        options.replyDelayMs = wholeNumber(parser.value(replyDelay), "reply-delay", INT_MAX);
    options.ownerOnly = parser.isSet(ownerOnly);
    for (const QString &name : parser.values(fault)) {
        const auto known = std::find_if(std::begin(kFaults), std::end(kFaults),
                                        [&](const auto &entry) { return name == QLatin1String(entry.name); });
        if (known == std::end(kFaults))
            fail(QStringLiteral("unknown fault \"%1\" (see --help)").arg(name));
        options.faults.insert(known->fault);
    }
    if (options.endpoint.isEmpty())
        fail(QStringLiteral("--endpoint needs a path"));
    return options;
}
