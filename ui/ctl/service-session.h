#pragma once

#include "cm-error.h"

#include <QObject>

#include <json/value.h>

class ServiceCommunicator;

// The agent's communicator driven from the command line: one request, one
// answer, on this thread. The exchange, its framing and its failures are the
// agent's own; only the waiting is shortened when asked.
class ServiceSession : public QObject
{
public:
    explicit ServiceSession(int replyTimeoutSeconds);
    ~ServiceSession() override;

    struct Answer
    {
        cmError code = cmUnavailable;
        Json::Value reply; // with code cmNoError
    };
    Answer ask(const Json::Value &request);

    // Prints why an exchange failed and gives the exit code for it.
    int failure(cmError code) const;

private:
    ServiceCommunicator *communicator;
    const int replyTimeoutSeconds;
};
