#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QObject;

// The five LDAP settings as the form page and the edit dialog both show them:
// captions and boxes built alike, in field-code order.
namespace LdapFields {

// Field codes, in the order the service names rejected fields.
enum ldapField : int { Host = 0, BaseDn = 1, BindDn = 2, Password = 3, Port = 4 };
constexpr int kCount = 5;

using Edits = std::array<QLineEdit *, kCount>;
using Labels = std::array<QLabel *, kCount>;

// Whether `field` is one of the five codes.
bool isField(int field);

// Boxes styled "ldap_info_edit", 32 design pixels high, with their
// placeholders and object names; the password box hides what is typed.
Edits createEdits();

// "<name>:*" captions, 160 x 32 design pixels.
Labels createLabels();

bool contains(const Edits &edits, const QObject *object);

// Gives every box its plain style again.
void clearMarks(const Edits &edits);

} // namespace LdapFields
