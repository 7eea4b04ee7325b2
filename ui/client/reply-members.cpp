#include "reply-members.h"

#include <utility>

namespace {

const Json::Value &nullValue()
{
    static const Json::Value value;
    return value;
}

const Json::Value &emptyObject()
{
    static const Json::Value value(Json::objectValue);
    return value;
}

} // namespace

ReplyMembers::ReplyMembers(const Json::Value &object, std::string name)
    : m_object(object)
    , m_name(std::move(name))
{
    if (!m_object.isObject())
        m_fault = m_name + " is not an object";
}

bool ReplyMembers::has(const char *member) const
{
    return !failed() && !m_object[member].isNull();
}

bool ReplyMembers::boolean(const char *name)
{
    const Json::Value &value = member(name, Json::booleanValue, "a boolean");
    return value.isBool() && value.asBool();
}

std::string ReplyMembers::text(const char *name)
{
    const Json::Value &value = member(name, Json::stringValue, "a string");
    return value.isString() ? value.asString() : std::string();
}

ReplyMembers ReplyMembers::object(const char *name)
{
    const Json::Value &value = member(name, Json::objectValue, "an object");
    ReplyMembers child(value.isNull() ? emptyObject() : value, m_name + "." + name);
    child.m_fault = m_fault;
    return child;
}

const Json::Value &ReplyMembers::member(const char *name, Json::ValueType type, const char *typeName)
{
    if (failed())
        return nullValue();
    const Json::Value &value = m_object[name];
    if (value.isNull() || value.type() == type)
        return value;
    m_fault = m_name + "." + name + " is not " + typeName;
    return nullValue();
}
