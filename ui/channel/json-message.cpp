#include "json-message.h"

#include "file-logger.h"

#include <json/reader.h>
#include <json/writer.h>

#include <algorithm>
#include <memory>

namespace JsonMessage {

std::string write(const Json::Value &value)
{
    const std::string text = Json::FastWriter().write(value);
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '^')
            escaped += "\\u005e";
        else
            escaped += c;
    }
    return escaped;
}

bool parse(const char *begin, const char *end, Json::Value &value)
{
    // Built once; each call takes a reader of its own, since a reader keeps
    // state and callers may parse on several threads.
    static const Json::CharReaderBuilder builder = [] {
        Json::CharReaderBuilder settings;
        // As the classic reader: comments kept, and a trailing comma is an error.
        settings["collectComments"] = true;
        settings["allowTrailingCommas"] = false;
        settings["stackLimit"] = kMaxDepth;
        return settings;
    }();
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    try {
        if (!reader->parse(begin, end, &parsed, nullptr))
            return false;
    } catch (const Json::Exception &) {
        return false;
    }
    value.swap(parsed);
    return true;
}

cmError parseReply(const std::vector<char> &bytes, Json::Value &reply)
{
    const auto textEnd = std::find(bytes.begin(), bytes.end(), '\0');
    Json::Value parsed;
    if (!parse(bytes.data(), bytes.data() + (textEnd - bytes.begin()), parsed)) {
        LOG_ERROR("json parse failed");
        return cmParseFailed;
    }
    // Only an object can carry the reply's members and the request's action.
    if (!parsed.isObject()) {
        LOG_ERROR("json reply is not an object");
        return cmParseFailed;
    }
    reply.swap(parsed);
    return cmNoError;
}

} // namespace JsonMessage
