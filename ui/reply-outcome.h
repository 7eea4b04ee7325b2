#pragma once

#include <QString>

#include <string>

// What the agent shows next for one decoded service reply. Only the members
// that belong to the kind are set; the others keep their defaults, so two
// outcomes compare equal exactly when they ask for the same thing.
struct ReplyOutcome
{
    enum Kind { NoChange, LdapPage, ConnectPage, Summary, Message, DialogFieldError, DialogClose, DialogFill };
    enum SummaryVariant : int { Connected = 0, ApprovalRequired = 1, Disconnected = 2, LdapServerOffline = 3 };
    // Fields that can be marked: of the LDAP form (page and edit dialog) and of the connect page.
    enum LdapField : int { HostField = 0, BaseDnField = 1, BindDnField = 2, PasswordField = 3, PortField = 4 };
    enum ConnectField : int { DisplayNameField = 0, ConnectKeyField = 1 };
    static constexpr int NoField = -1;

    Kind kind = NoChange;
    int field = NoField;                // LdapPage, ConnectPage, DialogFieldError
    SummaryVariant variant = Connected; // Summary
    QString timeText;                   // Summary
    bool quotaExceeded = false;         // Summary
    bool restricted = false;            // Summary
    int message = -1;                   // Message: interface-string index
    bool thenLdapPage = false;          // Message: the LDAP page, without a marked field, once the sheet is closed
    std::string serviceError;           // Message: to log as "Service error: %s" once the sheet is closed
    QString host, basedn, binddn, port; // DialogFill
    bool isLdaps = false;               // DialogFill

    static ReplyOutcome noChange() { return ReplyOutcome(); }
    static ReplyOutcome ldapPage(int field = NoField) { return withField(LdapPage, field); }
    static ReplyOutcome connectPage(int field = NoField) { return withField(ConnectPage, field); }
    static ReplyOutcome dialogFieldError(LdapField field) { return withField(DialogFieldError, field); }
    static ReplyOutcome dialogClose() { return ofKind(DialogClose); }

    static ReplyOutcome summary(SummaryVariant variant, const QString &timeText = QString(),
                                bool quotaExceeded = false, bool restricted = false)
    {
        ReplyOutcome outcome = ofKind(Summary);
        outcome.variant = variant;
        outcome.timeText = timeText;
        outcome.quotaExceeded = quotaExceeded;
        outcome.restricted = restricted;
        return outcome;
    }

    static ReplyOutcome showMessage(int message, bool thenLdapPage = false, const std::string &serviceError = {})
    {
        ReplyOutcome outcome = ofKind(Message);
        outcome.message = message;
        outcome.thenLdapPage = thenLdapPage;
        outcome.serviceError = serviceError;
        return outcome;
    }

    static ReplyOutcome dialogFill(const QString &host, const QString &basedn, const QString &binddn,
                                   const QString &port, bool isLdaps)
    {
        ReplyOutcome outcome = ofKind(DialogFill);
        outcome.host = host;
        outcome.basedn = basedn;
        outcome.binddn = binddn;
        outcome.port = port;
        outcome.isLdaps = isLdaps;
        return outcome;
    }

    bool operator==(const ReplyOutcome &other) const
    {
        return kind == other.kind && field == other.field && variant == other.variant
               && timeText == other.timeText && quotaExceeded == other.quotaExceeded
               && restricted == other.restricted && message == other.message
               && thenLdapPage == other.thenLdapPage && serviceError == other.serviceError
               && host == other.host && basedn == other.basedn && binddn == other.binddn
               && port == other.port && isLdaps == other.isLdaps;
    }
    bool operator!=(const ReplyOutcome &other) const { return !(*this == other); }

private:
    static ReplyOutcome ofKind(Kind kind)
    {
        ReplyOutcome outcome;
        outcome.kind = kind;
        return outcome;
    }
    static ReplyOutcome withField(Kind kind, int field)
    {
        ReplyOutcome outcome = ofKind(kind);
        outcome.field = field;
        return outcome;
    }
};
