#pragma once

// The codes a decoded reply hands to the wizard: which summary to show and
// which field of a form to mark. The decoders and the pages share these, so
// they are defined here once; the pages take them as ints, as they are called.

// The LDAP settings, in the order the service names rejected fields; the form
// page and the edit dialog show them in this order too.
namespace LdapField {
enum Code : int { Host = 0, BaseDn = 1, BindDn = 2, Password = 3, Port = 4, Count = 5 };
}

// The connect page's two fields.
namespace ConnectField {
enum Code : int { ServerDisplayName = 0, ConnectKey = 1, Count = 2 };
}

// The four variants of the summary page.
namespace SummaryVariant {
enum Code : int { Connected = 0, ApprovalRequired = 1, Disconnected = 2, LdapServerOffline = 3 };
}

// No field to mark. The wizard's operations take any code past a form's last
// field (its `Count`) as the same.
constexpr int kNoField = -1;
