#pragma once

// What lodestar-ctl tells the script that ran it. The values are a contract:
// deployment scripts branch on them.
namespace ExitCode {
enum : int {
    Done = 0,
    Refused = 2,       // the service refused the values; the reason is printed
    Unavailable = 3,   // the service is not there or did not answer in time
    AccessDenied = 4,  // this user may not talk to the service
    NotUnderstood = 5, // the service's reply could not be understood
    Usage = 64,        // the command line or a secret's source is wrong
};
}
