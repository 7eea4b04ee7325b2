#pragma once

#include "cm-error.h"

#include <json/value.h>

#include <string>
#include <vector>

// The JSON text of one message on the service channel, written and read the
// same way by both ends: the agent's communicator and the service simulator.
namespace JsonMessage {

// The messages nest two levels deep; this leaves ample room while keeping the
// parser's recursion far from the end of any thread's stack.
constexpr int kMaxDepth = 64;

// `value` as JsonCpp's FastWriter writes it (compact, members in key order,
// one line feed at the end), except that every "^" is written as the escape
// "\u005e". Text typed by a user, a password say, could otherwise hold the
// end marker and cut the message short; JSON has "^" only inside strings, so
// the escape reads back as the same value.
std::string write(const Json::Value &value);

// Parses [begin, end) into `value`. False for text that is not JSON and for
// nesting deeper than kMaxDepth, which JsonCpp reports by throwing: nothing
// is ever thrown from here.
bool parse(const char *begin, const char *end, Json::Value &value);

// A received reply as the agent takes it: the text up to the first zero byte,
// which must be one JSON object. Anything else is logged in one line and gives
// cmParseFailed, leaving `reply` untouched.
cmError parseReply(const std::vector<char> &bytes, Json::Value &reply);

} // namespace JsonMessage
