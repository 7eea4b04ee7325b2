#include "ui-strings.h"

#include "file-logger.h"

#include <QCoreApplication>

#include <array>

namespace {

// English source texts in UTF-8, in index order. Entries 20 and 30 share one
// text and therefore one translation.
constexpr std::array<const char *, UiText::Count> kEnglish = {
    /*  0 */ "Aerum Identity LDAP Sync Agent",
    /*  1 */ "Approval Required",
    /*  2 */ "Approve in Admin Portal",
    /*  3 */ "Back",
    /*  4 */ "Base DN",
    /*  5 */ "Bind DN",
    /*  6 */ "Bind DN password",
    /*  7 */ "Cancel",
    /*  8 */ "OK",
    /*  9 */ "Retry",
    /* 10 */ ":",
    /* 11 */ "Connect",
    /* 12 */ "Connect key",
    /* 13 */ "Connect to Aerum Identity",
    /* 14 */ "Connect to LDAP server",
    /* 15 */ "Connected",
    /* 16 */ "This server is connected to Aerum Identity. Go to the <a style=\"color:#00A282; text-decoration:none; \" href=\"%1\">Aerum Identity admin portal</a> to assign domain users access to cloud and on-prem resources.",
    /* 17 */ "Connecting to server...\u00A0",
    /* 18 */ "Disconnecting...",
    /* 19 */ "Edit connection information",
    /* 20 */ "Enter the following information to connect to your LDAP server.",
    /* 21 */ "Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.",
    /* 22 */ "The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support.\u00A0",
    /* 23 */ "Insufficient privileges to open this file. Right-click this file on the desktop and select \"Run as administrator\".",
    /* 24 */ "Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.",
    /* 25 */ "This field is required.",
    /* 26 */ "Initializing...",
    /* 27 */ "Initializing Aerum Identity LDAP Sync. Please wait...",
    /* 28 */ "Initialization failed. Click Retry to initialize again.",
    /* 29 */ "The connect key is invalid.",
    /* 30 */ "Enter the following information to connect to your LDAP server.",
    /* 31 */ "LDAP local IP",
    /* 32 */ "Couldn't connect to the LDAP server",
    /* 33 */ "The server was last connected at %1. To restore the connection, try the following:<br>\n"
        "- Check if your network connection is working properly.<br>\n"
        "- Edit your <a style=\"color:#00A282; text-decoration:none; \" href=\"%2\">connection settings</a>.<br>\n"
        "- Reinstall the Aerum Identity LDAP Sync agent.",
    /* 34 */ "Enter the following information to connect with your LDAP server.",
    /* 35 */ "Next",
    /* 36 */ "Disconnected",
    /* 37 */ "The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.",
    /* 38 */ "Port",
    /* 39 */ "Protocol",
    /* 40 */ "Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.",
    /* 41 */ "Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.",
    /* 42 */ "Server display name",
    /* 43 */ "This server is connected, requiring your approval in the Aerum Identity admin portal.",
    /* 44 */ "Enter the connect key to get this server authorized by Aerum Identity. Refer to <a style=\"color:#00A282; text-decoration:none; \" href=\"%1\">this article</a> to learn how to integrate Active Directory with Aerum Identity.",
    /* 45 */ "Enter the following information to authorize your LDAP server with Aerum Identity. Refer to <a style=\"color:#00A282; text-decoration:none; \" href=\"%1\">this article</a> to learn how to get a connect key.",
    /* 46 */ "Required",
    /* 47 */ "Warning",
};

const char *const *installedTable = nullptr;

} // namespace

void installUiStrings()
{
    installedTable = kEnglish.data();
}

QString uiString(int index)
{
    if (!installedTable) {
        LOG_ERROR("Interface string %d asked for before the table was installed", index);
        return QString();
    }
    if (index < 0 || index >= UiText::Count) {
        LOG_ERROR("No interface string %d", index);
        return QString();
    }
    QString text = QCoreApplication::translate("global", installedTable[index], nullptr, -1);
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}
