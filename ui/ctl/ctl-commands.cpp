#include "ctl-commands.h"

#include "ctl-output.h"
#include "exit-codes.h"
#include "plain-text.h"
#include "reply-decoding.h"
#include "reply-members.h"
#include "secret-input.h"
#include "service-requests.h"
#include "service-session.h"
#include "status-report.h"
#include "summary-texts.h"
#include "ui-strings.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <optional>

namespace {

// The caption the agent shows beside each LDAP field, and where the value came from.
struct FieldSource
{
    int caption;
    const char *option;
};

const FieldSource kLdapFields[LdapField::Count] = {
    {UiText::LdapLocalIp, "--host"},
    {UiText::Basedn, "--base-dn"},
    {UiText::Binddn, "--bind-dn"},
    {UiText::BinddnPassword, "--password-stdin or --password-file"},
    {UiText::Port, "--port"},
};

// The reason of a reply in which the service declined the request.
std::optional<std::string> refusalReason(const Json::Value &reply)
{
    ReplyMembers members(reply);
    const bool success = members.boolean("success");
    if (success || !members.has("data"))
        return std::nullopt;
    ReplyMembers data = members.object("data");
    const std::string reason = data.text("reason");
    if (data.failed())
        return std::nullopt;
    return reason;
}

// A reply the agent's decoder had no use for: a refusal for a reason it does
// not know, or something that is not a reply at all.
int unusable(const Json::Value &reply, const char *action)
{
    if (const std::optional<std::string> reason = refusalReason(reply)) {
        CtlOutput::error(QStringLiteral("the service refused %1: %2").arg(QLatin1String(action), QString::fromStdString(*reason)));
        return ExitCode::Refused;
    }
    CtlOutput::error(QStringLiteral("the service's reply to %1 could not be understood").arg(QLatin1String(action)));
    return ExitCode::NotUnderstood;
}

int refusedWith(int message)
{
    CtlOutput::error(plainText(uiString(message)));
    return ExitCode::Refused;
}

// The agent's words for a field the service rejected, and the option behind it.
int fieldRejected(int caption, int message, const char *option)
{
    CtlOutput::error(QStringLiteral("%1: %2 (%3)").arg(uiString(caption), uiString(message), QLatin1String(option)));
    return ExitCode::Refused;
}

bool readSecretOrReport(const SecretOrigin &origin, const char *what, QString *secret)
{
    QString error;
    if (readSecret(origin, QLatin1String(what), secret, &error))
        return true;
    CtlOutput::error(error);
    return false;
}

// The status as a report; otherwise prints why there is none and gives the exit code.
int fetchStatus(ServiceSession &session, StatusReport *report)
{
    const ServiceSession::Answer answer = session.ask(statusRequest());
    if (answer.code != cmNoError)
        return session.failure(answer.code);
    const ReplyOutcome outcome = decodeStatusReply(answer.reply);
    if (makeStatusReport(answer.reply, outcome, report))
        return ExitCode::Done;
    if (outcome.kind == ReplyOutcome::Message)
        return refusedWith(outcome.message);
    return unusable(answer.reply, ServiceAction::GetConnectionStatus);
}

int status(ServiceSession &session, const CtlOptions &options)
{
    StatusReport report;
    const int code = fetchStatus(session, &report);
    if (code == ExitCode::Done)
        CtlOutput::print(options.json ? report.jsonText() : report.humanText());
    return code;
}

int ldapGet(ServiceSession &session, const CtlOptions &options)
{
    const ServiceSession::Answer answer = session.ask(getLdapInfoRequest());
    if (answer.code != cmNoError)
        return session.failure(answer.code);
    const ReplyOutcome outcome = decodeGetLdapInfoReply(answer.reply);
    if (outcome.kind != ReplyOutcome::DialogFill)
        return unusable(answer.reply, ServiceAction::GetLdapInfo);
    if (options.json) {
        Json::Value value(Json::objectValue);
        value["host"] = outcome.host.toStdString();
        value["base_dn"] = outcome.basedn.toStdString();
        value["bind_dn"] = outcome.binddn.toStdString();
        value["port"] = outcome.port.toStdString();
        value["ldaps"] = outcome.isLdaps;
        CtlOutput::print(CtlOutput::jsonLine(value));
    } else {
        const auto line = [](int caption, const QString &value) {
            return uiString(caption) + uiString(UiText::CommonColon) + QLatin1Char(' ') + value;
        };
        CtlOutput::print(QStringList{line(UiText::LdapLocalIp, outcome.host), line(UiText::Basedn, outcome.basedn),
                                     line(UiText::Binddn, outcome.binddn), line(UiText::Port, outcome.port),
                                     line(UiText::Protocol, outcome.isLdaps ? QStringLiteral("LDAPS") : QStringLiteral("LDAP"))}
                             .join(QLatin1Char('\n')));
    }
    return ExitCode::Done;
}

int ldapSet(ServiceSession &session, const CtlOptions &options)
{
    QString password;
    if (!readSecretOrReport(options.password, "password", &password))
        return ExitCode::Usage;
    const ServiceSession::Answer answer = session.ask(
        setLdapInfoRequest(options.host, options.baseDn, options.bindDn, password, options.port, options.ldaps));
    if (answer.code != cmNoError)
        return session.failure(answer.code);
    const ReplyOutcome outcome = decodeSetLdapInfoReply(answer.reply, false);
    switch (outcome.kind) {
    case ReplyOutcome::ConnectPage:
        CtlOutput::print(QStringLiteral("LDAP settings saved."));
        return ExitCode::Done;
    case ReplyOutcome::LdapPage:
        if (outcome.field >= 0 && outcome.field < LdapField::Count)
            return fieldRejected(kLdapFields[outcome.field].caption, UiText::FieldIsRequired,
                                 kLdapFields[outcome.field].option);
        break;
    case ReplyOutcome::Message:
        return refusedWith(outcome.message);
    default:
        break;
    }
    return unusable(answer.reply, ServiceAction::SetLdapInfo);
}

// Asks for the status until the server is approved or restricted, or the time is up.
int waitApproved(ServiceSession &session, const CtlOptions &options)
{
    const QDeadlineTimer deadline(qint64(options.waitApprovedSeconds) * 1000);
    QString lastState;
    for (;;) {
        StatusReport report;
        const ServiceSession::Answer answer = session.ask(statusRequest());
        // The agent quits on these two; it only waits out an absent service.
        if (answer.code == cmAccessDenied || answer.code == cmParseFailed)
            return session.failure(answer.code);
        if (answer.code == cmUnavailable) {
            lastState = QStringLiteral("service unavailable");
        } else if (makeStatusReport(answer.reply, decodeStatusReply(answer.reply), &report)) {
            if (report.approved()) {
                CtlOutput::print(report.humanText());
                return ExitCode::Done;
            }
            lastState = report.state;
        } else {
            lastState = QStringLiteral("status not understood");
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(ulong(std::min(qint64(options.pollIntervalSeconds) * 1000, deadline.remainingTime())));
    }
    CtlOutput::error(QStringLiteral("the server was not approved within %1 s (last state: %2)")
                         .arg(options.waitApprovedSeconds)
                         .arg(lastState));
    return ExitCode::Unavailable;
}

int registerServer(ServiceSession &session, const CtlOptions &options)
{
    QString key;
    if (!readSecretOrReport(options.key, "connect key", &key))
        return ExitCode::Usage;
    const ServiceSession::Answer answer = session.ask(registerRequest(options.name, key));
    if (answer.code != cmNoError)
        return session.failure(answer.code);
    const ReplyOutcome outcome = decodeStatusReply(answer.reply);
    switch (outcome.kind) {
    case ReplyOutcome::Summary:
        if (outcome.variant != SummaryVariant::ApprovalRequired)
            break;
        CtlOutput::print(summaryTitle(outcome.variant) + QLatin1Char('\n')
                         + plainText(summaryDescription(outcome.variant, QString(), QString())));
        return options.waitApprovedSeconds < 0 ? int(ExitCode::Done) : waitApproved(session, options);
    case ReplyOutcome::ConnectPage:
        if (outcome.field == ConnectField::ServerDisplayName)
            return fieldRejected(UiText::ServerDisplayName, UiText::FieldIsRequired, "--name");
        // As the connect page words it: an empty key is missing, another one wrong.
        if (outcome.field == ConnectField::ConnectKey)
            return fieldRejected(UiText::ConnectKey, key.isEmpty() ? UiText::FieldIsRequired : UiText::InvalidConnectKey,
                                 "--key-stdin or --key-file");
        break;
    case ReplyOutcome::Message:
        return refusedWith(outcome.message);
    default:
        break;
    }
    return unusable(answer.reply, ServiceAction::Register);
}

int reset(ServiceSession &session)
{
    const ServiceSession::Answer answer = session.ask(resetLdapInfoRequest());
    if (answer.code != cmNoError)
        return session.failure(answer.code);
    ReplyMembers members(answer.reply);
    const bool success = members.boolean("success");
    if (members.failed() || !success)
        return unusable(answer.reply, ServiceAction::ResetLdapInfo);
    CtlOutput::print(QStringLiteral("LDAP settings reset."));
    return ExitCode::Done;
}

} // namespace

int runCtlCommand(const CtlOptions &options)
{
    ServiceSession session(options.replyTimeoutSeconds);
    switch (options.command) {
    case CtlOptions::Status:
        return status(session, options);
    case CtlOptions::LdapGet:
        return ldapGet(session, options);
    case CtlOptions::LdapSet:
        return ldapSet(session, options);
    case CtlOptions::Register:
        return registerServer(session, options);
    case CtlOptions::Reset:
        return reset(session);
    case CtlOptions::Help:
        break;
    }
    CtlOutput::print(ctlHelpText());
    return ExitCode::Done;
}
