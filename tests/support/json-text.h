#pragma once

#include <json/reader.h>

#include <memory>
#include <string>

// A JSON value written as text in a test table. Text that does not parse
// gives a string value holding the parser's complaint, which no expected
// value equals.
inline Json::Value jsonText(const std::string &text)
{
    const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    Json::Value value;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors))
        return Json::Value("unparsable test JSON: " + errors);
    return value;
}
