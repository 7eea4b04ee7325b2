<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync-agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Goedkeuring vereist</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Goedkeuren in beheerportal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
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
        <translation>Wachtwoord voor bind-DN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
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
        <translation>Verbindingssleutel</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Verbinding maken met Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Verbinding maken met LDAP-server</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Deze server is verbonden met Aerum Identity. Ga naar de &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;beheerportal van Aerum Identity&lt;/a&gt; om domeingebruikers toegang te geven tot cloud- en on-premises resources.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Verbinding maken met server... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Verbinding verbreken...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Verbindingsgegevens bewerken</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Voer de volgende gegevens in om verbinding te maken met uw LDAP-server.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Kan geen verbinding maken met de LDAP-server. Controleer of u toegang tot internet hebt en of de LDAP-gegevens juist zijn.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>De service kan niet normaal worden geactiveerd. Start uw apparaat opnieuw op en probeer het opnieuw. Neem contact op met de technische ondersteuning van Velmora als het probleem zich blijft voordoen. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Onvoldoende bevoegdheden om dit bestand te openen. Klik op het bureaublad met de rechtermuisknop op dit bestand en selecteer &quot;Als administrator uitvoeren&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Kan deze bewerking niet uitvoeren, mogelijk omdat de netwerkverbinding instabiel is of het systeem bezet is. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dit veld is verplicht.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initialiseren...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Aerum Identity LDAP Sync wordt geïnitialiseerd. Een ogenblik geduld...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Initialisatie mislukt. Klik op Opnieuw proberen om opnieuw te initialiseren.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>De verbindingssleutel is ongeldig.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokaal LDAP-IP-adres</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Kan geen verbinding maken met de LDAP-server</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>De server was voor het laatst verbonden op %1. Probeer het volgende om de verbinding te herstellen:&lt;br&gt;
- Controleer of uw netwerkverbinding goed werkt.&lt;br&gt;
- Bewerk uw &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;verbindingsinstellingen&lt;/a&gt;.&lt;br&gt;
- Installeer de Aerum Identity LDAP Sync-agent opnieuw.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Voer de volgende gegevens in om verbinding te maken met uw LDAP-server.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>De server was voor het laatst verbonden op %1. Controleer de netwerkinstellingen of installeer Aerum Identity LDAP Sync opnieuw op de server om de verbinding te herstellen.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Synchronisatie mislukt omdat de limiet voor gebruikers, groepen of licenties mogelijk is bereikt. Los dit op door ongebruikte resources in Aerum Identity of op uw LDAP-server te verwijderen, of door uw abonnement te upgraden om de quota te verhogen.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Uw Aerum Identity bevindt zich in de beperkte modus. Pas uw quota aan in de beheerportal om de verbinding te hervatten.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Weergavenaam van de server</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Deze server is verbonden en moet door u worden goedgekeurd in de beheerportal van Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Voer de verbindingssleutel in om deze server door Aerum Identity te laten autoriseren. Raadpleeg &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;dit artikel&lt;/a&gt; voor informatie over het integreren van Active Directory met Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Voer de volgende gegevens in om uw LDAP-server bij Aerum Identity te autoriseren. Raadpleeg &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;dit artikel&lt;/a&gt; voor informatie over het verkrijgen van een verbindingssleutel.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Verplicht</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
</TS>
