<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agent Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Vyžaduje se schválení</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Schválit na portálu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Základní DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN pro vazbu</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Heslo DN pro vazbu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Připojovací klíč</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Připojení k Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Připojení k serveru LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Připojeno</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Tento server je připojen k Aerum Identity. Přejděte na &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portál pro správu Aerum Identity&lt;/a&gt; a přiřaďte uživatelům domény přístup ke cloudovým a místním prostředkům.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Připojování k serveru... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Upravit údaje o připojení</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Zadejte následující údaje pro připojení k serveru LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>K serveru LDAP se nelze připojit. Ověřte, že máte přístup k internetu a že jsou údaje LDAP správné.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Službu nelze normálně aktivovat. Restartujte zařízení a zkuste to znovu. Pokud problém přetrvává, obraťte se na technickou podporu společnosti Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Nedostatečná oprávnění k otevření tohoto souboru. Klikněte na tento soubor na ploše pravým tlačítkem myši a vyberte „Spustit jako správce“.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Tuto operaci nelze provést. Síťové připojení je možná nestabilní nebo je systém zaneprázdněn. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Toto pole je povinné.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inicializace...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Probíhá inicializace Aerum Identity LDAP Sync. Počkejte prosím...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Inicializace se nezdařila. Klikněte na „Opakovat“ a spusťte inicializaci znovu.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Připojovací klíč je neplatný.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Místní IP adresa LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>K serveru LDAP se nepodařilo připojit</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Poslední připojení serveru: %1. Chcete-li obnovit připojení, zkuste následující:&lt;br&gt;
- Zkontrolujte, zda síťové připojení funguje správně.&lt;br&gt;
- Upravte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;nastavení připojení&lt;/a&gt;.&lt;br&gt;
- Znovu nainstalujte agenta Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Zadejte následující údaje pro spojení se serverem LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Poslední připojení serveru: %1. Chcete-li obnovit připojení, zkontrolujte nastavení sítě nebo na serveru znovu nainstalujte Aerum Identity LDAP Sync.</translation>
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
        <translation>Synchronizace se nezdařila, protože mohlo dojít k dosažení limitů uživatelů, skupin nebo licencí. Chcete-li tento problém vyřešit, odeberte nepoužívané prostředky v Aerum Identity nebo na serveru LDAP, případně přejděte na vyšší tarif a navyšte tak kvóty.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Vaše služba Aerum Identity je v omezeném režimu. Chcete-li obnovit připojení, upravte kvóty na portálu pro správu.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Zobrazovaný název serveru</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Tento server je připojen a vyžaduje vaše schválení na portálu pro správu Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Zadejte připojovací klíč, aby služba Aerum Identity tento server autorizovala. Informace o integraci služby Active Directory s Aerum Identity najdete v &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;tomto článku&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Zadejte následující údaje, aby služba Aerum Identity autorizovala váš server LDAP. Informace o tom, jak získat připojovací klíč, najdete v &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;tomto článku&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Povinné</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
</context>
</TS>
