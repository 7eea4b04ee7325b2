#include "summary-texts.h"

#include "platform-paths.h"
#include "ui-strings.h"

#include <QFile>
#include <QTextStream>

QString summaryTitle(SummaryVariant::Code variant)
{
    switch (variant) {
    case SummaryVariant::Connected:
        // The mark is added after translation, so every language ends with it.
        return uiString(UiText::Connected) + QLatin1Char('!');
    case SummaryVariant::ApprovalRequired:
        return uiString(UiText::ApprovalRequired);
    case SummaryVariant::Disconnected:
        return uiString(UiText::Offline);
    case SummaryVariant::LdapServerOffline:
        return uiString(UiText::LdapServerOffline);
    }
    return QString();
}

QString summaryDescription(SummaryVariant::Code variant, const QString &timeText, const QString &portalUrl)
{
    switch (variant) {
    case SummaryVariant::Connected:
        return uiString(UiText::ConnectedDesc).arg(portalUrl);
    case SummaryVariant::ApprovalRequired:
        return uiString(UiText::WaitApprovedDesc);
    case SummaryVariant::Disconnected:
        return uiString(UiText::OfflineDesc).arg(timeText);
    case SummaryVariant::LdapServerOffline:
        return uiString(UiText::LdapServerOfflineDesc).arg(timeText).arg(QLatin1String(kEditConnectionLink));
    }
    return QString();
}

int summaryWarning(bool quotaExceeded, bool restricted)
{
    if (restricted)
        return UiText::RestrictionModeDesc;
    return quotaExceeded ? UiText::QuotaExceededDesc : -1;
}

QString adminPortalUrl()
{
    QFile file(PlatformPaths::domainFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    const QString host = stream.readLine();
    return QStringLiteral("https://") + host + QStringLiteral("/admin/ldap-sync");
}
