<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync Agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Genehmigung erforderlich</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Im Admin-Portal genehmigen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Basis-DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Bind-DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Bind-DN-Kennwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Verbindungsschlüssel</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Mit Aerum Identity verbinden</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Mit LDAP-Server verbinden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Dieser Server ist mit Aerum Identity verbunden. Im &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Admin-Portal von Aerum Identity&lt;/a&gt; können Sie Domänenbenutzern Zugriff auf Cloud- und On-Premises-Ressourcen gewähren.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Verbindung zum Server wird hergestellt... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Verbindung wird getrennt...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Verbindungsinformationen bearbeiten</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Geben Sie die folgenden Informationen ein, um eine Verbindung mit Ihrem LDAP-Server herzustellen.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Es kann keine Verbindung mit dem LDAP-Server hergestellt werden. Stellen Sie sicher, dass ein Internetzugang besteht und die LDAP-Informationen korrekt sind.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Der Dienst kann nicht ordnungsgemäß aktiviert werden. Starten Sie Ihr Gerät neu und versuchen Sie es erneut. Wenn das Problem weiterhin besteht, wenden Sie sich an den technischen Support von Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Unzureichende Berechtigungen zum Öffnen dieser Datei. Klicken Sie auf dem Desktop mit der rechten Maustaste auf diese Datei und wählen Sie &quot;Als Administrator ausführen&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Der Vorgang kann nicht ausgeführt werden. Möglicherweise ist die Netzwerkverbindung instabil oder das System ausgelastet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dieses Feld ist erforderlich.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initialisierung...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Aerum Identity LDAP Sync wird initialisiert. Bitte warten...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Die Initialisierung ist fehlgeschlagen. Klicken Sie auf Wiederholen, um sie erneut zu starten.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Der Verbindungsschlüssel ist ungültig.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokale LDAP-IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Verbindung zum LDAP-Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Der Server war zuletzt am %1 verbunden. So stellen Sie die Verbindung wieder her:&lt;br&gt;
- Prüfen Sie, ob Ihre Netzwerkverbindung einwandfrei funktioniert.&lt;br&gt;
- Bearbeiten Sie Ihre &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;Verbindungseinstellungen&lt;/a&gt;.&lt;br&gt;
- Installieren Sie den Aerum Identity LDAP Sync Agent neu.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Geben Sie die folgenden Informationen ein, um eine Verbindung mit Ihrem LDAP-Server herzustellen.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Der Server war zuletzt am %1 verbunden. Um die Verbindung wiederherzustellen, überprüfen Sie die Netzwerkeinstellungen oder installieren Sie Aerum Identity LDAP Sync auf dem Server neu.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Die Synchronisierung ist fehlgeschlagen, da möglicherweise das Limit für Benutzer, Gruppen oder Lizenzen erreicht wurde. Beheben Sie das Problem, indem Sie nicht verwendete Ressourcen in Aerum Identity oder auf Ihrem LDAP-Server entfernen oder ein Upgrade Ihres Tarifs durchführen, um die Kontingente zu erhöhen.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity befindet sich im eingeschränkten Modus. Passen Sie Ihre Kontingente im Admin-Portal an, um die Verbindung fortzusetzen.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Anzeigename des Servers</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Dieser Server ist verbunden, muss aber noch von Ihnen im Admin-Portal von Aerum Identity genehmigt werden.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Geben Sie den Verbindungsschlüssel ein, um diesen Server bei Aerum Identity zu autorisieren. In &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;diesem Artikel&lt;/a&gt; erfahren Sie, wie Sie Active Directory in Aerum Identity integrieren.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Geben Sie die folgenden Informationen ein, um Ihren LDAP-Server bei Aerum Identity zu autorisieren. In &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;diesem Artikel&lt;/a&gt; erfahren Sie, wie Sie einen Verbindungsschlüssel erhalten.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Erforderlich</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
</TS>
