#include "reply-decoding.h"

#include "file-logger.h"
#include "reply-members.h"
#include "service-requests.h"
#include "service-time.h"
#include "ui-strings.h"

#include <optional>
#include <utility>

namespace {

ReplyOutcome malformed(const ReplyMembers &members)
{
    LOG_ERROR("Invalid response: %s", members.fault().c_str());
    return ReplyOutcome::noChange();
}

ReplyOutcome withoutData()
{
    LOG_ERROR("Invalid response");
    return ReplyOutcome::noChange();
}

ReplyOutcome unknownReason(const std::string &reason)
{
    LOG_ERROR("Unknown error: %s", reason.c_str());
    return ReplyOutcome::noChange();
}

ReplyOutcome invalidAction(const std::string &action)
{
    LOG_ERROR("Invalid action: %s", action.c_str());
    return ReplyOutcome::noChange();
}

// The reason of a failure reply; logged and absent when there is none to read.
std::optional<std::string> failureReason(ReplyMembers &reply)
{
    if (!reply.has("data")) {
        withoutData();
        return std::nullopt;
    }
    ReplyMembers data = reply.object("data");
    const std::string reason = data.text("reason");
    if (data.failed()) {
        malformed(data);
        return std::nullopt;
    }
    return reason;
}

ReplyOutcome statusFailure(ReplyMembers &reply)
{
    const std::optional<std::string> reason = failureReason(reply);
    if (!reason)
        return ReplyOutcome::noChange();
    if (*reason == "Server display name is invalid")
        return ReplyOutcome::connectPage(ConnectField::ServerDisplayName);
    if (*reason == "Connect key is invalid")
        return ReplyOutcome::connectPage(ConnectField::ConnectKey);
    if (*reason == "register failed")
        return ReplyOutcome::showMessage(UiText::ErrQueryServiceFailed, false, *reason);
    if (*reason == "restriction_mode")
        return ReplyOutcome::showMessage(UiText::RestrictionModeDesc, false, *reason);
    return unknownReason(*reason);
}

// A time member that is about to be shown; an unreadable one shows nothing.
ReplyOutcome summaryAt(SummaryVariant::Code variant, const char *member, const std::string &seconds)
{
    const QString time = formatServiceTime(seconds);
    if (time.isNull()) {
        LOG_ERROR("Invalid %s: %s", member, seconds.c_str());
        return ReplyOutcome::noChange();
    }
    return ReplyOutcome::summary(variant, time);
}

ReplyOutcome connectionStatus(ReplyMembers &reply)
{
    if (!reply.has("data"))
        return withoutData();
    ReplyMembers data = reply.object("data");
    const bool ready = data.boolean("ready");
    const bool hasConfig = data.boolean("has_config");
    const bool quotaExceeded = data.boolean("quota_exceeded");
    const bool restrictionMode = data.boolean("restriction_mode");
    const std::string deviceStatus = data.text("device_status");
    if (data.failed())
        return malformed(data);

    if (!ready) {
        if (!hasConfig)
            return ReplyOutcome::ldapPage();
        if (deviceStatus == "init" || deviceStatus == "removed")
            return ReplyOutcome::connectPage();
        const std::string lastConnect = data.text("last_connect_time");
        if (data.failed())
            return malformed(data);
        if (lastConnect.empty()) {
            LOG_ERROR("Invalid last_connect_time: empty");
            return ReplyOutcome::noChange();
        }
        return summaryAt(SummaryVariant::Disconnected, "last_connect_time", lastConnect);
    }

    if (deviceStatus == "approved" || deviceStatus == "restricted") {
        const bool ldapUnreachable = data.boolean("ldap_unreachable");
        const std::string lastLdapConnect = data.text("last_ldap_connect_time");
        if (data.failed())
            return malformed(data);
        if (ldapUnreachable && !restrictionMode && !lastLdapConnect.empty())
            return summaryAt(SummaryVariant::LdapServerOffline, "last_ldap_connect_time", lastLdapConnect);
        return ReplyOutcome::summary(SummaryVariant::Connected, QString(), quotaExceeded, restrictionMode);
    }
    if (deviceStatus == "staged")
        return ReplyOutcome::summary(SummaryVariant::ApprovalRequired);
    return ReplyOutcome::noChange();
}

ReplyOutcome setLdapInfoFailure(ReplyMembers &reply, bool editing)
{
    const std::optional<std::string> reason = failureReason(reply);
    if (!reason)
        return ReplyOutcome::noChange();
    static const std::pair<const char *, LdapField::Code> fieldReasons[] = {
        {"Host is invalid", LdapField::Host},
        {"Basedn is invalid", LdapField::BaseDn},
        {"Binddn is invalid", LdapField::BindDn},
        {"Password is invalid", LdapField::Password},
        {"Port is invalid", LdapField::Port},
    };
    for (const auto &[text, field] : fieldReasons)
        if (*reason == text)
            return editing ? ReplyOutcome::dialogFieldError(field) : ReplyOutcome::ldapPage(field);
    if (*reason == "request error")
        return ReplyOutcome::showMessage(UiText::ErrLdapAuthFailed, !editing);
    return unknownReason(*reason);
}

} // namespace

ReplyOutcome decodeStatusReply(const Json::Value &reply)
{
    ReplyMembers members(reply);
    const bool success = members.boolean("success");
    if (members.failed())
        return malformed(members);
    if (!success)
        return statusFailure(members);
    const std::string action = members.text("action");
    if (members.failed())
        return malformed(members);
    if (action == ServiceAction::Register)
        return ReplyOutcome::summary(SummaryVariant::ApprovalRequired);
    if (action == ServiceAction::GetConnectionStatus)
        return connectionStatus(members);
    return invalidAction(action);
}

ReplyOutcome decodeSetLdapInfoReply(const Json::Value &reply, bool editing)
{
    ReplyMembers members(reply);
    const bool success = members.boolean("success");
    if (members.failed())
        return malformed(members);
    if (!success)
        return setLdapInfoFailure(members, editing);
    const std::string action = members.text("action");
    if (members.failed())
        return malformed(members);
    if (action != ServiceAction::SetLdapInfo)
        return invalidAction(action);
    return editing ? ReplyOutcome::dialogClose() : ReplyOutcome::connectPage();
}

ReplyOutcome decodeGetLdapInfoReply(const Json::Value &reply)
{
    ReplyMembers members(reply);
    const bool success = members.boolean("success");
    if (members.failed())
        return malformed(members);
    if (!success || !members.has("data")) {
        LOG_ERROR("get_ldap_info failed");
        return ReplyOutcome::noChange();
    }
    ReplyMembers data = members.object("data");
    const std::string host = data.text("host");
    const std::string basedn = data.text("basedn");
    const std::string binddn = data.text("binddn");
    const std::string port = data.text("port");
    const bool isLdaps = data.boolean("isLdaps");
    if (data.failed())
        return malformed(data);
    return ReplyOutcome::dialogFill(QString::fromStdString(host), QString::fromStdString(basedn),
                                    QString::fromStdString(binddn), QString::fromStdString(port), isLdaps);
}
