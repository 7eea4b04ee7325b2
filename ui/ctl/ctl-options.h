#pragma once

#include <QString>
#include <QStringList>

// Where a secret (the bind password, the connect key) comes from: never the
// command line, which every user of the machine can read.
struct SecretOrigin
{
    bool fromStdin = false;
    QString file; // an owner-only file, when not from standard input
};

// One lodestar-ctl command line, checked for form; the service checks the values.
struct CtlOptions
{
    enum Command { Help, Status, LdapGet, LdapSet, Register, Reset };

    Command command = Help;
    int replyTimeoutSeconds = 18; // what the agent waits for a reply: 600 waits of 30 ms
    bool json = false;            // status, ldap get

    // ldap set
    QString host, baseDn, bindDn, port;
    bool ldaps = false;
    SecretOrigin password;

    // register
    QString name;
    SecretOrigin key;
    int waitApprovedSeconds = -1; // -1: do not wait
    int pollIntervalSeconds = 10; // as the agent polls

    // reset
    bool yes = false;
};

// Parses the arguments after the program's name. On a usage error returns
// false with a one-line reason that repeats no value the user gave, since a
// misplaced secret must not end up on the screen or in a log.
bool parseCtlOptions(const QStringList &arguments, CtlOptions *options, QString *error);

// "status", "ldap get", ... as typed.
const char *ctlCommandName(CtlOptions::Command command);

// The --help text: every command, option and exit code.
QString ctlHelpText();
