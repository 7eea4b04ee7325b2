#pragma once

#include "cm-error.h"

#include <json/value.h>

#include <vector>

// The JSON text of one message on the service channel, read the same way by
// both ends: the agent's communicator and the service simulator.
namespace JsonMessage {

// The messages nest two levels deep; this leaves ample room while keeping the
// parser's recursion far from the end of any thread's stack.
constexpr int kMaxDepth = 64;

// Parses [begin, end) into `value`. False for text that is not JSON and for
// nesting deeper than kMaxDepth, which JsonCpp reports by throwing: nothing
// is ever thrown from here.
bool parse(const char *begin, const char *end, Json::Value &value);

// A received reply as the agent takes it: the text up to the first zero byte,
// which must be one JSON object. Anything else is logged in one line and gives
// cmParseFailed, leaving `reply` untouched.
cmError parseReply(const std::vector<char> &bytes, Json::Value &reply);

} // namespace JsonMessage
