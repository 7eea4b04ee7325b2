#include "fuzz-check.h"

#include "file-logger.h"
#include "json-message.h"
#include "reply-decoding.h"
#include "service-requests.h"
#include "ui-strings.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <vector>

// A received reply, as the communicator parses it and as every decoder reads
// it: the decoders with the service's own "action", and with each action the
// communicator may put there. Whatever the bytes, parsing never throws, and
// every decoded outcome is one that its decoder can give, filled as its kind
// requires.
namespace {

using O = ReplyOutcome;

bool isServiceTime(const QString &text)
{
    static const QRegularExpression format(QStringLiteral("\\A\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d\\z"));
    return format.match(text).hasMatch();
}

// The members that only other kinds use keep their defaults.
void checkFilled(const ReplyOutcome &outcome)
{
    O bare = outcome;
    switch (outcome.kind) {
    case O::NoChange:
    case O::DialogClose:
        break;
    case O::LdapPage:
    case O::DialogFieldError:
        FUZZ_CHECK(outcome.field >= (outcome.kind == O::LdapPage ? kNoField : LdapField::Host));
        FUZZ_CHECK(outcome.field <= LdapField::Port);
        bare.field = kNoField;
        break;
    case O::ConnectPage:
        FUZZ_CHECK(outcome.field >= kNoField && outcome.field <= ConnectField::ConnectKey);
        bare.field = kNoField;
        break;
    case O::Summary:
        FUZZ_CHECK(outcome.variant >= SummaryVariant::Connected && outcome.variant <= SummaryVariant::LdapServerOffline);
        // Only the two offline variants tell a time, and then always a readable one.
        if (outcome.variant == SummaryVariant::Disconnected || outcome.variant == SummaryVariant::LdapServerOffline)
            FUZZ_CHECK(isServiceTime(outcome.timeText));
        else
            FUZZ_CHECK(outcome.timeText.isNull());
        if (outcome.variant != SummaryVariant::Connected)
            FUZZ_CHECK(!outcome.quotaExceeded && !outcome.restricted);
        bare.variant = SummaryVariant::Connected;
        bare.timeText.clear();
        bare.quotaExceeded = bare.restricted = false;
        break;
    case O::Message:
        FUZZ_CHECK(outcome.message == UiText::ErrLdapAuthFailed || outcome.message == UiText::ErrQueryServiceFailed
                   || outcome.message == UiText::RestrictionModeDesc);
        bare.message = -1;
        bare.thenLdapPage = false;
        bare.serviceError.clear();
        break;
    case O::DialogFill:
        bare.host = bare.basedn = bare.binddn = bare.port = QString();
        bare.isLdaps = false;
        break;
    default:
        // An outcome of no known kind.
        FUZZ_CHECK(false);
    }
    bare.kind = O::NoChange;
    FUZZ_CHECK(bare == O::noChange());
}

void checkStatus(const ReplyOutcome &outcome)
{
    checkFilled(outcome);
    FUZZ_CHECK(outcome.kind == O::NoChange || outcome.kind == O::LdapPage || outcome.kind == O::ConnectPage
               || outcome.kind == O::Summary || outcome.kind == O::Message);
    // The status never marks an LDAP field.
    if (outcome.kind == O::LdapPage)
        FUZZ_CHECK(outcome.field == kNoField);
    if (outcome.kind == O::Message)
        FUZZ_CHECK(outcome.message != UiText::ErrLdapAuthFailed && !outcome.thenLdapPage);
}

void checkSetLdapInfo(const ReplyOutcome &outcome, bool editing)
{
    checkFilled(outcome);
    if (editing)
        FUZZ_CHECK(outcome.kind == O::NoChange || outcome.kind == O::DialogFieldError
                   || outcome.kind == O::DialogClose || outcome.kind == O::Message);
    else
        FUZZ_CHECK(outcome.kind == O::NoChange || outcome.kind == O::LdapPage || outcome.kind == O::ConnectPage
                   || outcome.kind == O::Message);
    if (outcome.kind == O::ConnectPage)
        FUZZ_CHECK(outcome.field == kNoField);
    if (outcome.kind == O::Message)
        FUZZ_CHECK(outcome.message == UiText::ErrLdapAuthFailed && outcome.thenLdapPage == !editing);
}

void checkGetLdapInfo(const ReplyOutcome &outcome)
{
    checkFilled(outcome);
    FUZZ_CHECK(outcome.kind == O::NoChange || outcome.kind == O::DialogFill);
}

void decodeEveryWay(const Json::Value &reply)
{
    checkStatus(decodeStatusReply(reply));
    checkSetLdapInfo(decodeSetLdapInfoReply(reply, false), false);
    checkSetLdapInfo(decodeSetLdapInfoReply(reply, true), true);
    checkGetLdapInfo(decodeGetLdapInfoReply(reply));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    logInit(LogToNothing, "", "", 0, 0, "DEFAULT");
    // Time texts are checked in the C locale's digits.
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<char> bytes(data, data + size);
    Json::Value reply;
    const cmError parsed = JsonMessage::parseReply(bytes, reply);
    FUZZ_CHECK(parsed == cmNoError || parsed == cmParseFailed);

    // The text up to the first zero byte is the reply; a value of any type reaches the decoders intact.
    const auto textEnd = std::find(bytes.begin(), bytes.end(), '\0');
    Json::Value any;
    const bool isJson = JsonMessage::parse(bytes.data(), bytes.data() + (textEnd - bytes.begin()), any);
    FUZZ_CHECK((parsed == cmNoError) == (isJson && any.isObject()));
    if (parsed != cmNoError) {
        FUZZ_CHECK(reply.isNull());
        if (isJson)
            decodeEveryWay(any);
        return 0;
    }
    FUZZ_CHECK(reply == any);

    decodeEveryWay(reply);
    for (const char *action : {ServiceAction::GetConnectionStatus, ServiceAction::Register,
                               ServiceAction::SetLdapInfo, ServiceAction::GetLdapInfo}) {
        Json::Value withAction = reply;
        withAction["action"] = action;
        decodeEveryWay(withAction);
    }
    return 0;
}
