#pragma once

#include "wizard-codes.h"

#include <array>

class QLabel;
class QLineEdit;
class QObject;

// The five LDAP settings as the form page and the edit dialog both show them:
// captions and boxes built alike, in field-code order.
namespace LdapFields {

constexpr int kCount = LdapField::Count;

using Edits = std::array<QLineEdit *, kCount>;
using Labels = std::array<QLabel *, kCount>;

// Whether `field` is one of the five codes.
bool isField(int field);

// Boxes styled "ldap_info_edit", 32 design pixels high, with their
// placeholders, object names and accessible names; the password box hides
// what is typed.
Edits createEdits();

// "<name>:*" captions, 160 x 32 design pixels.
Labels createLabels();

bool contains(const Edits &edits, const QObject *object);

// Gives every box its plain style and description again.
void clearMarks(const Edits &edits);

} // namespace LdapFields
