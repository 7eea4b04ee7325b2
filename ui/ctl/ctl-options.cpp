#include "ctl-options.h"

#include "exit-codes.h"

#include <QMap>

#include <iterator>

const char *ctlCommandName(CtlOptions::Command command)
{
    switch (command) {
    case CtlOptions::Status:
        return "status";
    case CtlOptions::LdapGet:
        return "ldap get";
    case CtlOptions::LdapSet:
        return "ldap set";
    case CtlOptions::Register:
        return "register";
    case CtlOptions::Reset:
        return "reset";
    case CtlOptions::Help:
        break;
    }
    return "lodestar-ctl";
}

namespace {

enum CommandBit : unsigned {
    StatusBit = 1,
    LdapGetBit = 2,
    LdapSetBit = 4,
    RegisterBit = 8,
    ResetBit = 16,
    AnyCommand = 31,
};

struct OptionSpec
{
    const char *name;
    bool takesValue;
    unsigned commands;
};

const OptionSpec kOptions[] = {
    {"help", false, AnyCommand},
    {"reply-timeout", true, AnyCommand},
    {"json", false, StatusBit | LdapGetBit},
    {"host", true, LdapSetBit},
    {"base-dn", true, LdapSetBit},
    {"bind-dn", true, LdapSetBit},
    {"port", true, LdapSetBit},
    {"ldaps", false, LdapSetBit},
    {"password-stdin", false, LdapSetBit},
    {"password-file", true, LdapSetBit},
    {"name", true, RegisterBit},
    {"key-stdin", false, RegisterBit},
    {"key-file", true, RegisterBit},
    {"wait-approved", true, RegisterBit},
    {"poll-interval", true, RegisterBit},
    {"yes", false, ResetBit},
};

const OptionSpec *findOption(const QString &name)
{
    for (const OptionSpec &spec : kOptions)
        if (name == QLatin1String(spec.name))
            return &spec;
    return nullptr;
}

unsigned commandBit(CtlOptions::Command command)
{
    switch (command) {
    case CtlOptions::Status:
        return StatusBit;
    case CtlOptions::LdapGet:
        return LdapGetBit;
    case CtlOptions::LdapSet:
        return LdapSetBit;
    case CtlOptions::Register:
        return RegisterBit;
    case CtlOptions::Reset:
        return ResetBit;
    case CtlOptions::Help:
        break;
    }
    return AnyCommand;
}

class Parser
{
public:
    bool parse(const QStringList &arguments, CtlOptions *options);
    QString error;

private:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }
    bool takeWord(const QString &word, CtlOptions *options);
    bool apply(CtlOptions *options);
    bool seconds(const char *name, int minimum, int maximum, int *value);
    bool secret(const char *stdinName, const char *fileName, const char *what, SecretOrigin *origin);
    bool require(const char *name, QString *value);

    QString ldapWord;
    bool commandGiven = false;
    QMap<QString, QString> given; // option name to value (empty for a flag)
};

bool Parser::parse(const QStringList &arguments, CtlOptions *options)
{
    for (auto at = arguments.begin(); at != arguments.end(); ++at) {
        const QString &argument = *at;
        if (argument == QLatin1String("-h"))
            return options->command = CtlOptions::Help, true;
        if (!argument.startsWith(QLatin1String("--"))) {
            if (argument.startsWith(QLatin1Char('-')))
                return fail(QStringLiteral("unknown short option (see --help)"));
            if (!takeWord(argument, options))
                return false;
            continue;
        }
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionSpec *spec = findOption(name);
        // The name alone is repeated: "--password=..." must not echo what follows.
        if (!spec)
            return fail(QStringLiteral("unknown option --%1 (see --help)").arg(name));
        if (given.contains(name))
            return fail(QStringLiteral("--%1 is given twice").arg(name));
        QString value;
        if (spec->takesValue) {
            if (equals >= 0) {
                value = argument.mid(equals + 1);
            } else {
                if (std::next(at) == arguments.end())
                    return fail(QStringLiteral("--%1 needs a value").arg(name));
                value = *++at;
            }
        } else if (equals >= 0) {
            return fail(QStringLiteral("--%1 takes no value").arg(name));
        }
        given.insert(name, value);
    }
    if (given.contains(QStringLiteral("help")))
        return options->command = CtlOptions::Help, true;
    if (!commandGiven)
        return fail(QStringLiteral("no command given: status, ldap get, ldap set, register or reset (see --help)"));
    if (options->command == CtlOptions::Help)
        return fail(QStringLiteral("ldap needs get or set (see --help)"));
    return apply(options);
}

bool Parser::takeWord(const QString &word, CtlOptions *options)
{
    if (!commandGiven) {
        commandGiven = true;
        if (word == QLatin1String("status"))
            options->command = CtlOptions::Status;
        else if (word == QLatin1String("register"))
            options->command = CtlOptions::Register;
        else if (word == QLatin1String("reset"))
            options->command = CtlOptions::Reset;
        else if (word == QLatin1String("ldap"))
            ldapWord = word;
        else
            return fail(QStringLiteral("unknown command: use status, ldap get, ldap set, register or reset (see --help)"));
        return true;
    }
    if (!ldapWord.isEmpty() && options->command == CtlOptions::Help) {
        if (word == QLatin1String("get"))
            options->command = CtlOptions::LdapGet;
        else if (word == QLatin1String("set"))
            options->command = CtlOptions::LdapSet;
        else
            return fail(QStringLiteral("ldap needs get or set (see --help)"));
        return true;
    }
    // Not repeated: a secret typed in the wrong place would land here.
    return fail(QStringLiteral("%1 takes no further arguments (see --help)")
                    .arg(QLatin1String(ctlCommandName(options->command))));
}

bool Parser::seconds(const char *name, int minimum, int maximum, int *value)
{
    const QString key = QLatin1String(name);
    if (!given.contains(key))
        return true;
    bool ok = false;
    const int number = given.value(key).toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return fail(QStringLiteral("--%1 needs a whole number of seconds from %2 to %3").arg(key).arg(minimum).arg(maximum));
    *value = number;
    return true;
}

bool Parser::secret(const char *stdinName, const char *fileName, const char *what, SecretOrigin *origin)
{
    const bool fromStdin = given.contains(QLatin1String(stdinName));
    const bool fromFile = given.contains(QLatin1String(fileName));
    if (fromStdin == fromFile)
        return fail(QStringLiteral("the %1 comes from exactly one of --%2 and --%3")
                        .arg(QLatin1String(what), QLatin1String(stdinName), QLatin1String(fileName)));
    origin->fromStdin = fromStdin;
    origin->file = given.value(QLatin1String(fileName));
    if (fromFile && origin->file.isEmpty())
        return fail(QStringLiteral("--%1 needs a file name").arg(QLatin1String(fileName)));
    return true;
}

bool Parser::require(const char *name, QString *value)
{
    const QString key = QLatin1String(name);
    if (!given.contains(key))
        return fail(QStringLiteral("missing --%1 (see --help)").arg(key));
    *value = given.value(key);
    return true;
}

bool Parser::apply(CtlOptions *options)
{
    const unsigned bit = commandBit(options->command);
    for (auto entry = given.cbegin(); entry != given.cend(); ++entry)
        if (!(findOption(entry.key())->commands & bit))
            return fail(QStringLiteral("%1 does not take --%2 (see --help)")
                            .arg(QLatin1String(ctlCommandName(options->command)), entry.key()));

    if (!seconds("reply-timeout", 1, 3600, &options->replyTimeoutSeconds))
        return false;
    options->json = given.contains(QStringLiteral("json"));
    switch (options->command) {
    case CtlOptions::LdapSet:
        options->ldaps = given.contains(QStringLiteral("ldaps"));
        return require("host", &options->host) && require("base-dn", &options->baseDn)
               && require("bind-dn", &options->bindDn) && require("port", &options->port)
               && secret("password-stdin", "password-file", "password", &options->password);
    case CtlOptions::Register:
        if (!require("name", &options->name) || !secret("key-stdin", "key-file", "connect key", &options->key))
            return false;
        if (given.contains(QStringLiteral("poll-interval")) && !given.contains(QStringLiteral("wait-approved")))
            return fail(QStringLiteral("--poll-interval goes with --wait-approved"));
        return seconds("wait-approved", 0, 86400, &options->waitApprovedSeconds)
               && seconds("poll-interval", 1, 3600, &options->pollIntervalSeconds);
    case CtlOptions::Reset:
        options->yes = given.contains(QStringLiteral("yes"));
        if (!options->yes)
            return fail(QStringLiteral("reset forgets the stored LDAP settings: confirm with --yes"));
        return true;
    default:
        return true;
    }
}

} // namespace

bool parseCtlOptions(const QStringList &arguments, CtlOptions *options, QString *error)
{
    Parser parser;
    *options = CtlOptions();
    const bool ok = parser.parse(arguments, options);
    *error = parser.error;
    return ok;
}

QString ctlHelpText()
{
    return QStringLiteral(
               "Usage: lodestar-ctl COMMAND [OPTIONS]\n"
               "\n"
               "Sets up the Aerum Identity LDAP Sync service from a script, as the agent's\n"
               "wizard does, and reports its status. It talks to the service at\n"
               "$LODESTAR_SERVICE_ENDPOINT, else at the agent's own endpoint, and logs to\n"
               "log/ui/ctl.txt under $LODESTAR_DATA_DIR (else the agent's data folder).\n"
               "Secrets are never taken from the command line: they come from standard input\n"
               "or from a file that only its owner can read or write (chmod 600); one line\n"
               "end at their end is dropped.\n"
               "\n"
               "Commands:\n"
               "  status [--json]\n"
               "      The connection status in the words of the agent's summary page, then\n"
               "      the last contact, LDAP reachability, quota and restricted mode.\n"
               "      --json prints one JSON object instead: state (ldap_settings_required,\n"
               "      registration_required, approval_required, connected, disconnected,\n"
               "      ldap_server_offline), title, description, warning, admin_portal,\n"
               "      device_status, ready, has_config, last_contact, ldap_server_reachable,\n"
               "      last_ldap_contact, quota_exceeded, restricted.\n"
               "  ldap get [--json]\n"
               "      The stored LDAP settings (host, base DN, bind DN, port, protocol);\n"
               "      never the password.\n"
               "  ldap set --host H --base-dn B --bind-dn D --port P [--ldaps]\n"
               "           (--password-stdin | --password-file F)\n"
               "      Stores the LDAP settings; the service checks them and names the field\n"
               "      it rejects. --ldaps selects LDAPS instead of LDAP.\n"
               "  register --name N (--key-stdin | --key-file F)\n"
               "           [--wait-approved SECONDS [--poll-interval SECONDS]]\n"
               "      Registers this server with Aerum Identity under the display name N.\n"
               "      --wait-approved then asks for the status every --poll-interval seconds\n"
               "      (default 10, as the agent) until the server is approved or restricted\n"
               "      in the admin portal, and prints the status; when the time runs out it\n"
               "      exits with 3.\n"
               "  reset --yes\n"
               "      Forgets the stored LDAP settings.\n"
               "\n"
               "Options for every command:\n"
               "  --reply-timeout SECONDS  how long to wait for the service to answer\n"
               "                           (default 18, as the agent)\n"
               "  -h, --help               this text\n"
               "\n"
               "Exit codes:\n"
               "  %1   done\n"
               "  %2   the service refused the values (the reason is printed)\n"
               "  %3   the service is unavailable or did not answer in time\n"
               "  %4   access to the service was denied\n"
               "  %5   the service's reply could not be understood\n"
               "  %6  usage error (also: a secret file readable by others)\n"
               "Results go to standard output, errors to standard error, one line each.")
        .arg(ExitCode::Done)
        .arg(ExitCode::Refused)
        .arg(ExitCode::Unavailable)
        .arg(ExitCode::AccessDenied)
        .arg(ExitCode::NotUnderstood)
        .arg(ExitCode::Usage);
}
