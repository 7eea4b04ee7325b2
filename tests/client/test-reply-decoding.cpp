#include <QtTest>

#include "test-main.h"

#include "file-logger.h"
#include "json-text.h"
#include "reply-decoding.h"
#include "ui-strings.h"

#include <ctime>

Q_DECLARE_METATYPE(ReplyOutcome)

char *toString(const ReplyOutcome &outcome)
{
    const QString text = QString("kind %1 field %2 variant %3 time \"%4\" quota %5 restricted %6 message %7 "
                                 "then-LDAP %8 service-error \"%9\" fill %10|%11|%12|%13|%14")
                             .arg(outcome.kind).arg(outcome.field).arg(outcome.variant).arg(outcome.timeText)
                             .arg(outcome.quotaExceeded).arg(outcome.restricted).arg(outcome.message)
                             .arg(outcome.thenLdapPage).arg(QString::fromStdString(outcome.serviceError))
                             .arg(outcome.host, outcome.basedn, outcome.binddn, outcome.port)
                             .arg(outcome.isLdaps);
    return qstrdup(qPrintable(text));
}

namespace {

using O = ReplyOutcome;

enum Decoder { Status, SetLdapInfo, SetLdapInfoEditing, GetLdapInfo };

ReplyOutcome decode(Decoder decoder, const Json::Value &reply)
{
    switch (decoder) {
    case Status: return decodeStatusReply(reply);
    case SetLdapInfo: return decodeSetLdapInfoReply(reply, false);
    case SetLdapInfoEditing: return decodeSetLdapInfoReply(reply, true);
    case GetLdapInfo: return decodeGetLdapInfoReply(reply);
    }
    return ReplyOutcome::noChange();
}

const char *const kDecoderNames[] = {"status", "set_ldap_info", "set_ldap_info editing", "get_ldap_info"};

// A status reply that succeeded, with the given members in "data".
QString status(const QString &data)
{
    return R"({"success":true,"action":"get_connection_status","data":{)" + data + "}}";
}

QString failure(const QString &action, const QString &reason)
{
    return QString(R"({"success":false,"action":"%1","data":{"reason":"%2"}})").arg(action, reason);
}

const QString kWinter = "\"1709644029\""; // as JSON text
const QString kWinterText = "2024.03.05 14:07:09";

} // namespace

class TestReplyDecoding : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_log;

    // Decodes and returns what the decoder wrote to the log meanwhile.
    QString decodeLogged(Decoder decoder, const QString &replyText, ReplyOutcome *outcome)
    {
        QFile log(m_log);
        const qint64 before = log.size();
        *outcome = decode(decoder, jsonText(replyText.toStdString()));
        if (!log.open(QIODevice::ReadOnly) || !log.seek(before))
            return "<log unreadable>";
        return QString::fromUtf8(log.readAll());
    }

    void verify(Decoder decoder, const QString &reply, const ReplyOutcome &expected, const QString &logged)
    {
        ReplyOutcome outcome;
        const QString written = decodeLogged(decoder, reply, &outcome);
        QCOMPARE(outcome, expected);
        if (logged.isEmpty()) {
            QCOMPARE(written, QString());
        } else {
            const QRegularExpression line("\\A\\S+ \\S+ \\S+ \\[ERROR\\]\\[reply-decoding\\.cpp:\\d+\\] "
                                          + QRegularExpression::escape(logged) + "\\n\\z");
            QVERIFY2(line.match(written).hasMatch(), qPrintable(written));
        }
    }

    void verifyRow(Decoder decoder)
    {
        QFETCH(QString, reply);
        QFETCH(ReplyOutcome, outcome);
        QFETCH(QString, logged);
        verify(decoder, reply, outcome, logged);
    }

    static void addColumns()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<ReplyOutcome>("outcome");
        QTest::addColumn<QString>("logged"); // the message of the one line written, if any
    }

private slots:
    void initTestCase()
    {
        m_log = m_dir.filePath("ui.txt");
        QCOMPARE(logInitAgentFile(m_log.toStdString()), 0);
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
        QLocale::setDefault(QLocale::c());
    }

    void statusDecisions_data()
    {
        addColumns();
        QTest::newRow("not ready, no config: LDAP page whatever the status")
            << status(R"("ready":false,"has_config":false,"device_status":"approved")") << O::ldapPage() << "";
        QTest::newRow("absent members read as false")
            << status("") << O::ldapPage() << "";
        QTest::newRow("not ready, init") << status(R"("has_config":true,"device_status":"init")")
                                         << O::connectPage() << "";
        QTest::newRow("not ready, removed") << status(R"("has_config":true,"device_status":"removed")")
                                            << O::connectPage() << "";
        QTest::newRow("not ready, approved: disconnected since")
            << status(R"("has_config":true,"device_status":"approved","last_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::Disconnected, kWinterText) << "";
        QTest::newRow("not ready, unknown status: disconnected since")
            << status(R"("has_config":true,"device_status":"later","last_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::Disconnected, kWinterText) << "";
        QTest::newRow("not ready, empty last_connect_time")
            << status(R"("has_config":true,"device_status":"approved","last_connect_time":"")")
            << O::noChange() << "Invalid last_connect_time: empty";
        QTest::newRow("not ready, absent last_connect_time")
            << status(R"("has_config":true,"device_status":"staged")")
            << O::noChange() << "Invalid last_connect_time: empty";
        QTest::newRow("not ready, last_connect_time without digits")
            << status(R"("has_config":true,"device_status":"approved","last_connect_time":"yesterday")")
            << O::noChange() << "Invalid last_connect_time: yesterday";
        QTest::newRow("not ready, last_connect_time out of range")
            << status(R"("has_config":true,"device_status":"approved","last_connect_time":"99999999999999999999")")
            << O::noChange() << "Invalid last_connect_time: 99999999999999999999";
        QTest::newRow("LDAP server offline")
            << status(R"("ready":true,"device_status":"approved","ldap_unreachable":true,
                         "last_ldap_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::LdapServerOffline, kWinterText) << "";
        QTest::newRow("LDAP server offline, restricted status")
            << status(R"("ready":true,"device_status":"restricted","ldap_unreachable":true,"quota_exceeded":true,
                         "last_ldap_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::LdapServerOffline, kWinterText) << "";
        QTest::newRow("offline LDAP needs restriction_mode false")
            << status(R"("ready":true,"device_status":"restricted","ldap_unreachable":true,"restriction_mode":true,
                         "last_ldap_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::Connected, QString(), false, true) << "";
        QTest::newRow("offline LDAP without a time: connected")
            << status(R"("ready":true,"device_status":"approved","ldap_unreachable":true,"last_ldap_connect_time":"")")
            << O::summary(SummaryVariant::Connected) << "";
        QTest::newRow("offline LDAP with an unreadable time")
            << status(R"("ready":true,"device_status":"approved","ldap_unreachable":true,"last_ldap_connect_time":"-")")
            << O::noChange() << "Invalid last_ldap_connect_time: -";
        QTest::newRow("connected with both flags")
            << status(R"("ready":true,"device_status":"approved","quota_exceeded":true,"restriction_mode":true,
                         "last_ldap_connect_time":)" + kWinter)
            << O::summary(SummaryVariant::Connected, QString(), true, true) << "";
        QTest::newRow("connected; has_config not consulted")
            << status(R"("ready":true,"has_config":false,"device_status":"approved")") << O::summary(SummaryVariant::Connected)
            << "";
        QTest::newRow("ready, staged") << status(R"("ready":true,"device_status":"staged","quota_exceeded":true)")
                                       << O::summary(SummaryVariant::ApprovalRequired) << "";
        QTest::newRow("ready, init: nothing") << status(R"("ready":true,"has_config":false,"device_status":"init")")
                                              << O::noChange() << "";
        QTest::newRow("ready, status in other case: nothing")
            << status(R"("ready":true,"device_status":"Approved")") << O::noChange() << "";
        QTest::newRow("members the decision does not read are not checked")
            << status(R"("ready":true,"device_status":"staged","last_connect_time":{},"ldap_unreachable":"x")")
            << O::summary(SummaryVariant::ApprovalRequired) << "";
        QTest::newRow("status without data") << R"({"success":true,"action":"get_connection_status"})"
                                             << O::noChange() << "Invalid response";
        QTest::newRow("status with null data") << R"({"success":true,"action":"get_connection_status","data":null})"
                                               << O::noChange() << "Invalid response";
        QTest::newRow("register succeeded") << R"({"success":true,"action":"register"})"
                                            << O::summary(SummaryVariant::ApprovalRequired) << "";
        QTest::newRow("other action") << R"({"success":true,"action":"reset_ldap_info","data":{}})"
                                      << O::noChange() << "Invalid action: reset_ldap_info";
    }
    void statusDecisions() { verifyRow(Status); }

    void statusFailures_data()
    {
        addColumns();
        for (const QString action : {"register", "get_connection_status"}) {
            const auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s: %s", qPrintable(action), name); };
            row("display name") << failure(action, "Server display name is invalid")
                                << O::connectPage(ConnectField::ServerDisplayName) << "";
            row("connect key") << failure(action, "Connect key is invalid") << O::connectPage(ConnectField::ConnectKey)
                               << "";
            row("register failed") << failure(action, "register failed")
                                   << O::showMessage(UiText::ErrQueryServiceFailed, false, "register failed") << "";
            row("restriction mode") << failure(action, "restriction_mode")
                                    << O::showMessage(UiText::RestrictionModeDesc, false, "restriction_mode") << "";
            row("reason in other case") << failure(action, "Connect key is Invalid") << O::noChange()
                                        << "Unknown error: Connect key is Invalid";
            row("unknown reason") << failure(action, "disk full") << O::noChange() << "Unknown error: disk full";
            row("no reason") << R"({"success":false,"data":{}})" << O::noChange() << "Unknown error: ";
            row("no data") << R"({"success":false})" << O::noChange() << "Invalid response";
        }
    }
    void statusFailures() { verifyRow(Status); }

    void setLdapInfo_data()
    {
        addColumns();
        QTest::addColumn<bool>("editing");
        const struct
        {
            const char *reason;
            LdapField::Code field;
        } fields[] = {{"Host is invalid", LdapField::Host},
                      {"Basedn is invalid", LdapField::BaseDn},
                      {"Binddn is invalid", LdapField::BindDn},
                      {"Password is invalid", LdapField::Password},
                      {"Port is invalid", LdapField::Port}};
        for (const auto &[reason, field] : fields) {
            QTest::addRow("%s", reason) << failure("set_ldap_info", reason) << O::ldapPage(field) << "" << false;
            QTest::addRow("%s, editing", reason) << failure("set_ldap_info", reason) << O::dialogFieldError(field)
                                                 << "" << true;
        }
        QTest::newRow("request error") << failure("set_ldap_info", "request error")
                                       << O::showMessage(UiText::ErrLdapAuthFailed, true) << "" << false;
        QTest::newRow("request error, editing") << failure("set_ldap_info", "request error")
                                                << O::showMessage(UiText::ErrLdapAuthFailed) << "" << true;
        for (const bool editing : {false, true}) {
            const char *suffix = editing ? ", editing" : "";
            QTest::addRow("reason in other case%s", suffix) << failure("set_ldap_info", "port is invalid")
                                                            << O::noChange() << "Unknown error: port is invalid"
                                                            << editing;
            QTest::addRow("unknown reason%s", suffix) << failure("set_ldap_info", "timeout") << O::noChange()
                                                      << "Unknown error: timeout" << editing;
            QTest::addRow("no data%s", suffix) << R"({"success":false,"action":"set_ldap_info"})" << O::noChange()
                                               << "Invalid response" << editing;
            QTest::addRow("other action%s", suffix) << R"({"success":true,"action":"get_ldap_info"})"
                                                    << O::noChange() << "Invalid action: get_ldap_info" << editing;
        }
        QTest::newRow("stored") << R"({"success":true,"action":"set_ldap_info"})" << O::connectPage() << "" << false;
        QTest::newRow("stored, editing") << R"({"success":true,"action":"set_ldap_info"})" << O::dialogClose() << ""
                                         << true;
    }
    void setLdapInfo()
    {
        QFETCH(bool, editing);
        verifyRow(editing ? SetLdapInfoEditing : SetLdapInfo);
    }

    void getLdapInfo_data()
    {
        addColumns();
        QTest::newRow("stored settings")
            << R"({"success":true,"action":"get_ldap_info","data":{"host":"dc1.example.com","basedn":"dc=example",
                  "binddn":"cn=sync","port":"636","isLdaps":true,"password":"not read"}})"
            << O::dialogFill("dc1.example.com", "dc=example", "cn=sync", "636", true) << "";
        QTest::newRow("absent members empty") << R"({"success":true,"data":{}})"
                                              << O::dialogFill("", "", "", "", false) << "";
        QTest::newRow("action not examined") << R"({"success":true,"action":"register","data":{"port":"389"}})"
                                             << O::dialogFill("", "", "", "389", false) << "";
        QTest::newRow("without data") << R"({"success":true,"action":"get_ldap_info"})" << O::noChange()
                                      << "get_ldap_info failed";
        QTest::newRow("failed") << R"({"success":false,"action":"get_ldap_info","data":{"host":"h"}})"
                                << O::noChange() << "get_ldap_info failed";
    }
    void getLdapInfo() { verifyRow(GetLdapInfo); }

    // JsonCpp throws on these when asked for the documented types.
    void malformedRepliesChangeNothing_data()
    {
        QTest::addColumn<int>("decoder");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("logged");
        const struct
        {
            const char *name;
            const char *reply;
            const char *logged;
        } everywhere[] = {
            {"array", R"([{"success":true}])", "reply is not an object"},
            {"string", R"("success")", "reply is not an object"},
            {"number", "1", "reply is not an object"},
            {"null", "null", "reply is not an object"},
            {"success as string", R"({"success":"true","action":"set_ldap_info","data":{}})",
             "reply.success is not a boolean"},
            {"success as number", R"({"success":1,"action":"set_ldap_info","data":{}})",
             "reply.success is not a boolean"},
            {"success as object", R"({"success":{},"data":{}})", "reply.success is not a boolean"},
        };
        for (int decoder = Status; decoder <= GetLdapInfo; ++decoder)
            for (const auto &[name, reply, logged] : everywhere)
                QTest::addRow("%s: %s", kDecoderNames[decoder], name) << decoder << reply << logged;

        const struct
        {
            Decoder decoder;
            const char *name;
            const char *reply;
            const char *logged;
        } particular[] = {
            {Status, "action as number", R"({"success":true,"action":7})", "reply.action is not a string"},
            {SetLdapInfo, "action as array", R"({"success":true,"action":["set_ldap_info"]})",
             "reply.action is not a string"},
            {Status, "data as array", R"({"success":true,"action":"get_connection_status","data":[true]})",
             "reply.data is not an object"},
            {Status, "failure data as string", R"({"success":false,"data":"Connect key is invalid"})",
             "reply.data is not an object"},
            {SetLdapInfoEditing, "failure data as array", R"({"success":false,"data":["Port is invalid"]})",
             "reply.data is not an object"},
            {GetLdapInfo, "data as string", R"({"success":true,"data":"host"})", "reply.data is not an object"},
            {Status, "reason as number", R"({"success":false,"data":{"reason":1}})",
             "reply.data.reason is not a string"},
            {SetLdapInfo, "reason as object", R"({"success":false,"data":{"reason":{"text":"Host is invalid"}}})",
             "reply.data.reason is not a string"},
            {Status, "ready as string",
             R"({"success":true,"action":"get_connection_status","data":{"ready":"true","device_status":"staged"}})",
             "reply.data.ready is not a boolean"},
            {Status, "has_config as number",
             R"({"success":true,"action":"get_connection_status","data":{"has_config":1}})",
             "reply.data.has_config is not a boolean"},
            {Status, "device_status as array",
             R"({"success":true,"action":"get_connection_status","data":{"ready":true,"device_status":["staged"]}})",
             "reply.data.device_status is not a string"},
            {Status, "quota_exceeded as string",
             R"({"success":true,"action":"get_connection_status","data":{"ready":true,"quota_exceeded":"no"}})",
             "reply.data.quota_exceeded is not a boolean"},
            {Status, "last_connect_time as number",
             R"({"success":true,"action":"get_connection_status",
                 "data":{"has_config":true,"device_status":"approved","last_connect_time":1709644029}})",
             "reply.data.last_connect_time is not a string"},
            {Status, "ldap_unreachable as string",
             R"({"success":true,"action":"get_connection_status",
                 "data":{"ready":true,"device_status":"approved","ldap_unreachable":"yes"}})",
             "reply.data.ldap_unreachable is not a boolean"},
            {Status, "last_ldap_connect_time as object",
             R"({"success":true,"action":"get_connection_status",
                 "data":{"ready":true,"device_status":"approved","ldap_unreachable":true,"last_ldap_connect_time":{}}})",
             "reply.data.last_ldap_connect_time is not a string"},
            {GetLdapInfo, "port as number", R"({"success":true,"data":{"port":389}})",
             "reply.data.port is not a string"},
            {GetLdapInfo, "isLdaps as string", R"({"success":true,"data":{"isLdaps":"true"}})",
             "reply.data.isLdaps is not a boolean"},
        };
        for (const auto &[decoder, name, reply, logged] : particular)
            QTest::addRow("%s: %s", kDecoderNames[decoder], name) << int(decoder) << reply << logged;
    }
    void malformedRepliesChangeNothing()
    {
        QFETCH(int, decoder);
        QFETCH(QString, reply);
        QFETCH(QString, logged);
        verify(Decoder(decoder), reply, O::noChange(), "Invalid response: " + logged);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestReplyDecoding)
#include "test-reply-decoding.moc"
