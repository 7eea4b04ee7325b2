#pragma once

#include "reply-outcome.h"

#include <QString>

#include <json/value.h>

// The service's connection status as lodestar-ctl reports it: the state the
// agent would show, in the words of its page, and the details behind it.
struct StatusReport
{
    QString state; // ldap_settings_required, registration_required, approval_required, connected, ...
    QString title;
    QString description;
    QString warning;     // empty when the page shows none
    QString adminPortal; // null when the domain file cannot be read
    QString deviceStatus;
    bool ready = false;
    bool hasConfig = false;
    QString lastContact;     // as the agent formats it; null when unknown
    QString lastLdapContact; // likewise
    bool ldapServerReachable = true;
    bool quotaExceeded = false;
    bool restricted = false;

    // Approved or restricted in the admin portal: what register --wait-approved waits for.
    bool approved() const;

    // The page's words first, then one "name: value" line per detail.
    QString humanText() const;
    // One line of JSON with the members above in snake case.
    QString jsonText() const;
};

// The report for a status reply that the agent's decoder turned into
// `outcome`; false when that outcome shows no page (a refusal, a message or
// a reply the decoder could not use).
bool makeStatusReport(const Json::Value &reply, const ReplyOutcome &outcome, StatusReport *report);
