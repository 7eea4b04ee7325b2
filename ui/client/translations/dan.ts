<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync-agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Godkendelse påkrævet</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Godkend i portalen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
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
        <translation>Adgangskode til bind-DN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Opret forbindelse</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Forbindelsesnøgle</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Opret forbindelse til Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Opret forbindelse til LDAP-server</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Forbundet</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Denne server har forbindelse til Aerum Identity. Gå til &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;administrationsportalen i Aerum Identity&lt;/a&gt; for at give domænebrugere adgang til cloudressourcer og lokale ressourcer.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Opretter forbindelse til server... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Afbryder forbindelse...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Rediger forbindelsesoplysninger</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Angiv følgende oplysninger for at oprette forbindelse til din LDAP-server.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Der kan ikke oprettes forbindelse til LDAP-serveren. Kontrollér, at du har internetadgang, og at LDAP-oplysningerne er korrekte.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Tjenesten kan ikke aktiveres normalt. Genstart din enhed, og prøv igen. Kontakt teknisk support hos Velmora, hvis problemet fortsætter. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Utilstrækkelige rettigheder til at åbne denne fil. Højreklik på filen på skrivebordet, og vælg &quot;Kør som administrator&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Handlingen kan ikke udføres, muligvis fordi netværksforbindelsen er ustabil, eller systemet er optaget. Prøv igen senere.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dette felt er obligatorisk.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initialiserer...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Initialiserer Aerum Identity LDAP Sync. Vent venligst...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Initialiseringen mislykkedes. Klik på Prøv igen for at initialisere igen.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Forbindelsesnøglen er ugyldig.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokal LDAP-IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Kunne ikke oprette forbindelse til LDAP-serveren</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Serverens seneste forbindelse var %1. Prøv følgende for at genoprette forbindelsen:&lt;br&gt;
- Kontrollér, at din netværksforbindelse fungerer korrekt.&lt;br&gt;
- Rediger dine &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;forbindelsesindstillinger&lt;/a&gt;.&lt;br&gt;
- Geninstaller Aerum Identity LDAP Sync-agenten.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Angiv følgende oplysninger for at oprette forbindelse til din LDAP-server.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Afbrudt</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Serverens seneste forbindelse var %1. Du kan genoprette forbindelsen ved at kontrollere netværksindstillingerne eller geninstallere Aerum Identity LDAP Sync på serveren.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Synkroniseringen mislykkedes, fordi grænsen for brugere, grupper eller licenser muligvis er nået. Du kan løse problemet ved at fjerne ubrugte ressourcer i Aerum Identity eller på din LDAP-server eller ved at opgradere dit abonnement for at øge kvoterne.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Din Aerum Identity er i begrænset tilstand. Juster dine kvoter i administrationsportalen for at genoptage forbindelsen.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Serverens visningsnavn</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Denne server har forbindelse, men kræver din godkendelse i administrationsportalen i Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Angiv forbindelsesnøglen for at få denne server autoriseret af Aerum Identity. Se &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;denne artikel&lt;/a&gt; for at få at vide, hvordan du integrerer Active Directory med Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Angiv følgende oplysninger for at autorisere din LDAP-server hos Aerum Identity. Se &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;denne artikel&lt;/a&gt; for at få at vide, hvordan du får en forbindelsesnøgle.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Påkrævet</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
</context>
</TS>
