#pragma once

#include <json/value.h>

#include <string>

// Reads the members of a service reply without ever throwing (JsonCpp throws
// when a value has another type than asked for). A missing or null member
// reads as false, as the empty string or as an empty object; a member of
// another type, or a value that is not an object at all, makes the reader
// failed, with a description of the first fault.
class ReplyMembers
{
public:
    explicit ReplyMembers(const Json::Value &object, std::string name = "reply");

    bool has(const char *member) const;
    bool boolean(const char *member);
    std::string text(const char *member);
    ReplyMembers object(const char *member);

    bool failed() const { return !m_fault.empty(); }
    const std::string &fault() const { return m_fault; }

private:
    // The member's value, or null when it cannot be read as the named type.
    const Json::Value &member(const char *member, Json::ValueType type, const char *typeName);

    const Json::Value &m_object;
    std::string m_name;
    std::string m_fault;
};
