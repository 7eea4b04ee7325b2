#include "ldap-fields.h"

#include "ui-strings.h"
#include "page-parts.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "services/dpi-info.h"

namespace LdapFields {

namespace {

// Placeholders are examples of our choosing, not values sent anywhere.
struct FieldLook
{
    const char *objectName;
    const char *placeholder;
    int caption;
    const char *captionStyle;
};

const FieldLook kLooks[kCount] = {
    {"host", "192.168.1.10", UiText::LdapLocalIp, "ldap_info_label"},
    {"basedn", "dc=example,dc=corp,dc=local", UiText::Basedn, "ldap_info_label"},
    {"binddn", "cn=administrator,dc=test,dc=us", UiText::Binddn, "ldap_info_label"},
    {"password", "", UiText::BinddnPassword, "connect_key_label"},
    {"port", "389", UiText::Port, "ldap_info_label"},
};

} // namespace

bool isField(int field)
{
    return field >= LdapField::Host && field <= LdapField::Port;
}

Edits createEdits()
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    Edits edits{};
    for (int field = 0; field < kCount; ++field) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(kLooks[field].objectName));
        PageParts::applyStyle(edit, "ldap_info_edit");
        edit->setFixedHeight(dpi.scaled(32));
        edit->setContentsMargins(0, 0, 0, 0);
        edit->setPlaceholderText(QString::fromLatin1(kLooks[field].placeholder));
        PageParts::nameRequiredField(edit, kLooks[field].caption);
        edits[field] = edit;
    }
    edits[LdapField::Password]->setEchoMode(QLineEdit::Password);
    return edits;
}

Labels createLabels()
{
    Labels labels{};
    for (int field = 0; field < kCount; ++field)
        labels[field] = PageParts::fieldLabel(kLooks[field].caption, kLooks[field].captionStyle);
    return labels;
}

bool contains(const Edits &edits, const QObject *object)
{
    return std::find(edits.begin(), edits.end(), object) != edits.end();
}

void clearMarks(const Edits &edits)
{
    for (QLineEdit *edit : edits) {
        PageParts::applyStyle(edit, "ldap_info_edit");
        PageParts::describeFieldWarning(edit);
    }
}

} // namespace LdapFields
