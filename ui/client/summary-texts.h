#pragma once

#include "wizard-codes.h"

#include <QString>

// The words of the summary page's four variants, in the language installed
// now. The page shows them; lodestar-ctl prints them as its status, so a
// script reads what an administrator sees.

// The link target in LdapServerOffline's description: it opens the edit
// dialog and is never followed as an address.
constexpr const char *kEditConnectionLink = "editconn";

// The title: "Connected" followed by "!" after translation, "Approval
// Required", "Disconnected" or "Couldn't connect to the LDAP server".
QString summaryTitle(SummaryVariant::Code variant);

// The description, rich text: the formatted time fills Disconnected and
// LdapServerOffline, the admin-portal address Connected.
QString summaryDescription(SummaryVariant::Code variant, const QString &timeText, const QString &portalUrl);

// The one warning Connected shows, as an interface-string index, or -1:
// restricted mode outranks an exceeded quota.
int summaryWarning(bool quotaExceeded, bool restricted);

// "https://" + the first line of the domain file + "/admin/ldap-sync", read
// anew on each call; a null string when the file cannot be opened.
QString adminPortalUrl();
