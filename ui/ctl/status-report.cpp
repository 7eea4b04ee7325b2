#include "status-report.h"

#include "ctl-output.h"
#include "plain-text.h"
#include "reply-members.h"
#include "service-time.h"
#include "summary-texts.h"
#include "ui-strings.h"

#include <QStringList>

namespace {

const char *stateName(SummaryVariant::Code variant)
{
    switch (variant) {
    case SummaryVariant::Connected:
        return "connected";
    case SummaryVariant::ApprovalRequired:
        return "approval_required";
    case SummaryVariant::Disconnected:
        return "disconnected";
    case SummaryVariant::LdapServerOffline:
        return "ldap_server_offline";
    }
    return "";
}

// A null string reads as JSON null.
Json::Value textOrNull(const QString &text)
{
    return text.isNull() ? Json::Value() : Json::Value(text.toStdString());
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString timeOrNever(const QString &time)
{
    return time.isNull() ? QStringLiteral("never") : time;
}

} // namespace

bool StatusReport::approved() const
{
    return deviceStatus == QLatin1String("approved") || deviceStatus == QLatin1String("restricted");
}

bool makeStatusReport(const Json::Value &reply, const ReplyOutcome &outcome, StatusReport *report)
{
    switch (outcome.kind) {
    case ReplyOutcome::LdapPage:
        report->state = QStringLiteral("ldap_settings_required");
        report->title = uiString(UiText::ConnectToAerumLdapServer);
        report->description = QStringLiteral("No LDAP settings are stored: set them with \"lodestar-ctl ldap set\".");
        break;
    case ReplyOutcome::ConnectPage:
        report->state = QStringLiteral("registration_required");
        report->title = uiString(UiText::ConnectToAerumIdentity);
        report->description = QStringLiteral("This server is not registered: register it with \"lodestar-ctl register\".");
        break;
    case ReplyOutcome::Summary: {
        report->state = QLatin1String(stateName(outcome.variant));
        report->title = summaryTitle(outcome.variant);
        report->adminPortal = adminPortalUrl();
        report->description = plainText(summaryDescription(outcome.variant, outcome.timeText, report->adminPortal));
        if (outcome.variant == SummaryVariant::Connected) {
            const int warning = summaryWarning(outcome.quotaExceeded, outcome.restricted);
            if (warning >= 0)
                report->warning = plainText(uiString(warning));
        }
        break;
    }
    default:
        return false;
    }

    // The details the decoder did not need are read as it reads: a member of
    // another type counts as absent, and nothing throws.
    ReplyMembers data = ReplyMembers(reply).object("data");
    report->deviceStatus = QString::fromStdString(data.text("device_status"));
    report->ready = data.boolean("ready");
    report->hasConfig = data.boolean("has_config");
    report->lastContact = formatServiceTime(data.text("last_connect_time"));
    report->lastLdapContact = formatServiceTime(data.text("last_ldap_connect_time"));
    report->ldapServerReachable = !data.boolean("ldap_unreachable");
    report->quotaExceeded = data.boolean("quota_exceeded");
    report->restricted = data.boolean("restriction_mode");
    return true;
}

QString StatusReport::humanText() const
{
    QStringList lines{title};
    if (!description.isEmpty())
        lines << description;
    if (!warning.isEmpty())
        lines << warning;
    lines << QString();
    lines << QStringLiteral("Last contact: %1").arg(timeOrNever(lastContact));
    lines << QStringLiteral("LDAP server: %1, last contact %2")
                 .arg(ldapServerReachable ? QStringLiteral("reachable") : QStringLiteral("unreachable"),
                      timeOrNever(lastLdapContact));
    lines << QStringLiteral("Quota exceeded: %1").arg(yesNo(quotaExceeded));
    lines << QStringLiteral("Restricted mode: %1").arg(yesNo(restricted));
    return lines.join(QLatin1Char('\n'));
}

QString StatusReport::jsonText() const
{
    Json::Value value(Json::objectValue);
    value["state"] = state.toStdString();
    value["title"] = title.toStdString();
    value["description"] = description.toStdString();
    value["warning"] = warning.toStdString();
    value["admin_portal"] = textOrNull(adminPortal);
    value["device_status"] = deviceStatus.toStdString();
    value["ready"] = ready;
    value["has_config"] = hasConfig;
    value["last_contact"] = textOrNull(lastContact);
    value["ldap_server_reachable"] = ldapServerReachable;
    value["last_ldap_contact"] = textOrNull(lastLdapContact);
    value["quota_exceeded"] = quotaExceeded;
    value["restricted"] = restricted;
    return CtlOutput::jsonLine(value);
}
