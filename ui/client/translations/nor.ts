<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync-agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Godkjenning kreves</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Godkjenn i portalen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
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
        <translation>Passord for bind-DN</translation>
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
        <translation>Prøv på nytt</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Tilkoblingsnøkkel</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Koble til Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Koble til LDAP-server</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Denne serveren er koblet til Aerum Identity. Gå til &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;administrasjonsportalen for Aerum Identity&lt;/a&gt; for å gi domenebrukere tilgang til skyressurser og lokale ressurser.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Kobler til server... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Rediger tilkoblingsinformasjon</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Angi følgende informasjon for å koble til LDAP-serveren.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Kan ikke koble til LDAP-serveren. Kontroller at du har Internett-tilgang og riktig LDAP-informasjon.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Tjenesten kan ikke aktiveres normalt. Start enheten på nytt og prøv igjen. Kontakt teknisk støtte hos Velmora hvis problemet vedvarer. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Utilstrekkelige rettigheter til å åpne denne filen. Høyreklikk på filen på skrivebordet og velg &quot;Kjør som administrator&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Kan ikke utføre denne operasjonen, muligens fordi nettverkstilkoblingen er ustabil eller systemet er opptatt. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dette feltet er obligatorisk.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initialiserer...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Initialiserer Aerum Identity LDAP Sync. Vent litt...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Initialiseringen mislyktes. Klikk på Prøv på nytt for å initialisere på nytt.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Tilkoblingsnøkkelen er ugyldig.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokal LDAP-IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Kunne ikke koble til LDAP-serveren</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Serveren var sist tilkoblet %1. Prøv følgende for å gjenopprette tilkoblingen:&lt;br&gt;
- Kontroller at nettverkstilkoblingen fungerer som den skal.&lt;br&gt;
- Rediger &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;tilkoblingsinnstillingene&lt;/a&gt;.&lt;br&gt;
- Installer Aerum Identity LDAP Sync-agenten på nytt.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Angi følgende informasjon for å koble til LDAP-serveren.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Serveren var sist tilkoblet %1. Kontroller nettverksinnstillingene eller installer Aerum Identity LDAP Sync på nytt på serveren for å gjenopprette tilkoblingen.</translation>
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
        <translation>Synkroniseringen mislyktes fordi grensen for brukere, grupper eller lisenser kan være nådd. Løs problemet ved å fjerne ubrukte ressurser i Aerum Identity eller på LDAP-serveren, eller oppgrader abonnementet for å øke kvotene.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity er i begrenset modus. Juster kvotene i administrasjonsportalen for å gjenoppta tilkoblingen.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Visningsnavn for server</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Denne serveren er tilkoblet og må godkjennes av deg i administrasjonsportalen for Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Angi tilkoblingsnøkkelen for å få denne serveren autorisert av Aerum Identity. Se &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;denne artikkelen&lt;/a&gt; for å finne ut hvordan du integrerer Active Directory med Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Angi følgende informasjon for å autorisere LDAP-serveren hos Aerum Identity. Se &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;denne artikkelen&lt;/a&gt; for å finne ut hvordan du får en tilkoblingsnøkkel.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Påkrevd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
</context>
</TS>
