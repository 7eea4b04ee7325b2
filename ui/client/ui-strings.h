#pragma once

#include <QString>

// The agent's interface strings. Every user-visible text of its windows is one
// of these entries, looked up by index and translated in the context "global"
// at the moment of the lookup, so the installed translator always applies.

namespace UiText {
enum Index : int {
    AppName = 0, // "_app_name"
    ApprovalRequired = 1, // "_approval_required"
    ApproveOnAdminPortal = 2, // "_approve_on_admin_portal"
    Back = 3, // "_back"
    Basedn = 4, // "_basedn"
    Binddn = 5, // "_binddn"
    BinddnPassword = 6, // "_binddn_password"
    BtnCancel = 7, // "_btn_cancel"
    BtnOk = 8, // "_btn_ok"
    BtnRetry = 9, // "_btn_retry"
    CommonColon = 10, // "_common_colon"
    Connect = 11, // "_connect"
    ConnectKey = 12, // "_connect_key"
    ConnectToAerumIdentity = 13, // "_connect_to_aerum_identity"
    ConnectToAerumLdapServer = 14, // "_connect_to_aerum_ldap_server"
    Connected = 15, // "_connected"
    ConnectedDesc = 16, // "_connected_desc"
    DescWizardConnecting = 17, // "_desc_wizard_connecting"
    DescWizardDisconnect = 18, // "_desc_wizard_disconnect"
    EditConnectionInfo = 19, // "_edit_connection_info"
    EditConnectionInfoDesc = 20, // "_edit_connection_info_desc"
    ErrLdapAuthFailed = 21, // "_err_ldap_auth_failed"
    ErrQueryServiceFailed = 22, // "_err_query_service_failed"
    ErrUnprivileged = 23, // "_err_unprivileged"
    ErrorSystem = 24, // "_error_system"
    FieldIsRequired = 25, // "_field_is_required"
    Initializing = 26, // "_initializing"
    InitializingDesc = 27, // "_initializing_desc"
    InitializingFailedDesc = 28, // "_initializing_failed_desc"
    InvalidConnectKey = 29, // "_invalid_connect_key"
    LdapDesc = 30, // "_ldap_desc"
    LdapLocalIp = 31, // "_ldap_local_ip"
    LdapServerOffline = 32, // "_ldap_server_offline"
    LdapServerOfflineDesc = 33, // "_ldap_server_offline_desc"
    LdapinfoPageDesc = 34, // "_ldapinfo_page_desc"
    Next = 35, // "_next"
    Offline = 36, // "_offline"
    OfflineDesc = 37, // "_offline_desc"
    Port = 38, // "_port"
    Protocol = 39, // "_protocol"
    QuotaExceededDesc = 40, // "_quota_exceeded_desc"
    RestrictionModeDesc = 41, // "_restriction_mode_desc"
    ServerDisplayName = 42, // "_server_display_name"
    WaitApprovedDesc = 43, // "_wait_approved_desc"
    WelcomePageDesc = 44, // "_welcome_page_desc"
    AerumconnectPageDesc = 45, // "aerumconnect_page_desc"
    // Read out by screen readers only: what the red asterisk and the
    // warning icon say to the eye.
    Required = 46, // "_a11y_required"
    Warning = 47, // "_a11y_warning"
};
constexpr int Count = 48;
} // namespace UiText

// Fills the table; start-up calls it once, before the first lookup.
void installUiStrings();

// The entry translated now, with every backslash + "n" turned into a line feed
// and every backslash + "t" into a tab. An index outside the table, or a
// lookup before installUiStrings(), is logged and gives an empty string.
QString uiString(int index);
