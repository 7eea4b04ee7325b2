#include <QtTest>

#include "test-main.h"

#include "json-text.h"
#include "service-requests.h"

Q_DECLARE_METATYPE(Json::Value)

class TestServiceRequests : public QObject
{
    Q_OBJECT
private slots:
    // Exactly the listed members with their JSON types; values unchanged,
    // blanks and quotes included, and the port as a string.
    void requests_data()
    {
        QTest::addColumn<Json::Value>("request");
        QTest::addColumn<QString>("expected");
        QTest::newRow("get_connection_status") << statusRequest() << R"({"action":"get_connection_status"})";
        QTest::newRow("register")
            << registerRequest(QString::fromUtf8(" Büro-Server 1 "), "AbC-123")
            << R"({"action":"register","data":{"serverDisplayName":" Büro-Server 1 ","connectKey":"AbC-123"}})";
        QTest::newRow("set_ldap_info")
            << setLdapInfoRequest("ldap.example.com", "dc=example,dc=com", "cn=admin,dc=example,dc=com",
                                  "p\"w d\\", "636", true)
            << R"({"action":"set_ldap_info","data":{"host":"ldap.example.com","basedn":"dc=example,dc=com",
                  "binddn":"cn=admin,dc=example,dc=com","password":"p\"w d\\","port":"636","isLdaps":true}})";
        QTest::newRow("set_ldap_info, plain LDAP, empty fields")
            << setLdapInfoRequest("", "", "", "", "", false)
            << R"({"action":"set_ldap_info","data":{"host":"","basedn":"","binddn":"","password":"","port":"",
                  "isLdaps":false}})";
        QTest::newRow("get_ldap_info") << getLdapInfoRequest() << R"({"action":"get_ldap_info"})";
        QTest::newRow("reset_ldap_info") << resetLdapInfoRequest() << R"({"action":"reset_ldap_info"})";
    }
    void requests()
    {
        QFETCH(Json::Value, request);
        QFETCH(QString, expected);
        QVERIFY2(request == jsonText(expected.toStdString()), request.toStyledString().c_str());
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestServiceRequests)
#include "test-service-requests.moc"
