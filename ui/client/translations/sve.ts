<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync-agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Godkännande krävs</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Godkänn i portalen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Bas-DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Bind-DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Lösenord för bind-DN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Anslutningsnyckel</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Anslut till Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Anslut till LDAP-server</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Den här servern är ansluten till Aerum Identity. Gå till &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;administrationsportalen för Aerum Identity&lt;/a&gt; för att ge domänanvändare åtkomst till molnresurser och lokala resurser.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Ansluter till servern... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Redigera anslutningsinformation</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Ange följande information för att ansluta till din LDAP-server.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Det går inte att ansluta till LDAP-servern. Kontrollera att du har internetåtkomst och att LDAP-informationen är korrekt.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Tjänsten kan inte aktiveras på normalt sätt. Starta om enheten och försök igen. Kontakta teknisk support hos Velmora om problemet kvarstår. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Otillräcklig behörighet för att öppna den här filen. Högerklicka på filen på skrivbordet och välj &quot;Kör som administratör&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Det gick inte att utföra åtgärden, möjligen för att nätverksanslutningen är instabil eller systemet är upptaget. Försök igen senare.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Det här fältet är obligatoriskt.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initierar...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Initierar Aerum Identity LDAP Sync. Vänta...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Initieringen misslyckades. Klicka på Försök igen för att initiera på nytt.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Anslutningsnyckeln är ogiltig.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokal LDAP-IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Det gick inte att ansluta till LDAP-servern</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Servern var senast ansluten %1. Försök med följande för att återställa anslutningen:&lt;br&gt;
- Kontrollera att nätverksanslutningen fungerar som den ska.&lt;br&gt;
- Redigera dina &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;anslutningsinställningar&lt;/a&gt;.&lt;br&gt;
- Installera om Aerum Identity LDAP Sync-agenten.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Ange följande information för att ansluta till din LDAP-server.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Servern var senast ansluten %1. Återställ anslutningen genom att kontrollera nätverksinställningarna eller installera om Aerum Identity LDAP Sync på servern.</translation>
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
        <translation>Synkroniseringen misslyckades eftersom gränsen för användare, grupper eller licenser kan ha nåtts. Lös problemet genom att ta bort oanvända resurser i Aerum Identity eller på LDAP-servern, eller uppgradera abonnemanget för att öka kvoterna.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity är i begränsat läge. Justera kvoterna i administrationsportalen för att återuppta anslutningen.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Serverns visningsnamn</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Den här servern är ansluten och måste godkännas av dig i administrationsportalen för Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Ange anslutningsnyckeln för att få den här servern auktoriserad av Aerum Identity. Läs &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;den här artikeln&lt;/a&gt; om hur du integrerar Active Directory med Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Ange följande information för att auktorisera din LDAP-server hos Aerum Identity. Läs &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;den här artikeln&lt;/a&gt; om hur du skaffar en anslutningsnyckel.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoriskt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
</context>
</TS>
