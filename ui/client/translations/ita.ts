<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agente Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Approvazione necessaria</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Approva nel portale</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>DN di base</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN di bind</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Password del DN di bind</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Chiave di connessione</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Connessione ad Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Connessione al server LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Questo server è connesso ad Aerum Identity. Accedere al &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portale di amministrazione di Aerum Identity&lt;/a&gt; per assegnare agli utenti del dominio l&apos;accesso alle risorse cloud e locali.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Connessione al server in corso... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Disconnessione in corso...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Modifica informazioni di connessione</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Immettere le informazioni seguenti per connettersi al server LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Impossibile connettersi al server LDAP. Verificare di disporre dell&apos;accesso a Internet e che le informazioni LDAP siano corrette.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Impossibile attivare normalmente il servizio. Riavviare il dispositivo e riprovare. Se il problema persiste, contattare il supporto tecnico di Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Privilegi insufficienti per aprire questo file. Fare clic con il pulsante destro del mouse su questo file sul desktop e selezionare &quot;Esegui come amministratore&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Impossibile eseguire l&apos;operazione, forse perché la connessione di rete è instabile o il sistema è occupato. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Questo campo è obbligatorio.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inizializzazione in corso...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Inizializzazione di Aerum Identity LDAP Sync in corso. Attendere...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Inizializzazione non riuscita. Fare clic su Riprova per ripetere l&apos;inizializzazione.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>La chiave di connessione non è valida.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP locale LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Impossibile connettersi al server LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>L&apos;ultima connessione del server risale al %1. Per ripristinare la connessione, provare quanto segue:&lt;br&gt;
- Verificare che la connessione di rete funzioni correttamente.&lt;br&gt;
- Modificare le &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;impostazioni di connessione&lt;/a&gt;.&lt;br&gt;
- Reinstallare l&apos;agente Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Immettere le informazioni seguenti per connettersi al server LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>L&apos;ultima connessione del server risale al %1. Per ripristinare la connessione, controllare le impostazioni di rete o reinstallare Aerum Identity LDAP Sync sul server.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Sincronizzazione non riuscita perché potrebbero essere stati raggiunti i limiti di utenti, gruppi o licenze. Per risolvere il problema, rimuovere le risorse inutilizzate in Aerum Identity o nel server LDAP oppure passare a un piano superiore per aumentare le quote.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity è in modalità limitata. Per riprendere la connessione, modificare le quote nel portale di amministrazione.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nome visualizzato del server</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Questo server è connesso e richiede l&apos;approvazione nel portale di amministrazione di Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Immettere la chiave di connessione per far autorizzare questo server da Aerum Identity. Consultare &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;questo articolo&lt;/a&gt; per scoprire come integrare Active Directory con Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Immettere le informazioni seguenti per autorizzare il server LDAP con Aerum Identity. Consultare &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;questo articolo&lt;/a&gt; per scoprire come ottenere una chiave di connessione.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obbligatorio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
</context>
</TS>
