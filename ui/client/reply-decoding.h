#pragma once

#include "reply-outcome.h"

#include <json/value.h>

// Decisions on the service's replies. Pure functions of the reply: they
// build no widgets and only write the log. A reply whose members have other
// types than expected, or that is not an object, is logged as an invalid
// response and changes nothing.

// For replies to get_connection_status and register.
ReplyOutcome decodeStatusReply(const Json::Value &reply);

// For replies to set_ldap_info; editing is true while the edit dialog sent it.
ReplyOutcome decodeSetLdapInfoReply(const Json::Value &reply, bool editing);

// For replies to get_ldap_info.
ReplyOutcome decodeGetLdapInfoReply(const Json::Value &reply);
