#pragma once

#include <QString>
#include <QStringList>

#include <set>

// Misbehaviours a test can ask the simulator for.
enum class Fault {
    CloseAfterReply, // hang up after every reply
    NeverReply,      // read requests, answer none
    NotJson,         // answer with framed text that is not JSON
    SplitMarker,     // write the end marker in two parts, apart in time
    TrailingBytes,   // send bytes after the end marker
    Drip,            // write the reply one byte at a time
    EmptyReason,     // answer "success" false with an empty reason
};

struct SimOptions
{
    QString endpoint;
    QString dataDir;
    QString portalHost;
    QString connectKey;
    int approveAfterMs = -1;
    int replyDelayMs = 0;
    bool ownerOnly = false;
    std::set<Fault> faults;

    bool has(Fault fault) const { return faults.count(fault) != 0; }
};

// Reads the command line (the process's arguments). Prints --help or
// --version and exits; on a bad option or value prints why and exits with 2.
SimOptions parseSimOptions(const QStringList &arguments);
