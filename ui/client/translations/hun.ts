<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync ügynök</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Jóváhagyás szükséges</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Jóváhagyás a portálon</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Alap DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Kötési DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Kötési DN jelszava</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Csatlakozási kulcs</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Csatlakozás az Aerum Identityhez</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Csatlakozás az LDAP-kiszolgálóhoz</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Csatlakoztatva</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Ez a kiszolgáló csatlakozik az Aerum Identityhez. Nyissa meg az &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity felügyeleti portálját&lt;/a&gt;, és adjon hozzáférést a tartományi felhasználóknak a felhőalapú és a helyszíni erőforrásokhoz.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Csatlakozás a kiszolgálóhoz... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Kapcsolat bontása...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Kapcsolati adatok szerkesztése</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Adja meg az alábbi adatokat az LDAP-kiszolgálóhoz való csatlakozáshoz.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Nem sikerült csatlakozni az LDAP-kiszolgálóhoz. Ellenőrizze, hogy van-e internet-hozzáférése, és helyesek-e az LDAP-adatok.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>A szolgáltatás nem aktiválható megfelelően. Indítsa újra az eszközt, és próbálkozzon újra. Ha a probléma továbbra is fennáll, forduljon a Velmora műszaki támogatásához. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Nincs megfelelő jogosultsága a fájl megnyitásához. Kattintson a jobb gombbal a fájlra az asztalon, és válassza a „Futtatás rendszergazdaként” parancsot.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>A művelet nem hajtható végre. Lehet, hogy a hálózati kapcsolat instabil, vagy a rendszer foglalt. Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>A mező kitöltése kötelező.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inicializálás...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Az Aerum Identity LDAP Sync inicializálása folyamatban. Kis türelmet...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Az inicializálás nem sikerült. Kattintson az Újra gombra az ismételt inicializáláshoz.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>A csatlakozási kulcs érvénytelen.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP helyi IP-címe</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Nem sikerült csatlakozni az LDAP-kiszolgálóhoz</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>A kiszolgáló utolsó csatlakozása: %1. A kapcsolat helyreállításához próbálja meg a következőket:&lt;br&gt;
- Ellenőrizze, hogy megfelelően működik-e a hálózati kapcsolat.&lt;br&gt;
- Módosítsa a &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;kapcsolati beállításokat&lt;/a&gt;.&lt;br&gt;
- Telepítse újra az Aerum Identity LDAP Sync ügynököt.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Adja meg az alábbi adatokat az LDAP-kiszolgálóval való kapcsolódáshoz.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Kapcsolat bontva</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>A kiszolgáló utolsó csatlakozása: %1. A kapcsolat helyreállításához ellenőrizze a hálózati beállításokat, vagy telepítse újra az Aerum Identity LDAP Syncet a kiszolgálón.</translation>
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
        <translation>A szinkronizálás nem sikerült, mert előfordulhat, hogy elérte a felhasználók, csoportok vagy licencek számának korlátját. A probléma megoldásához távolítsa el a nem használt erőforrásokat az Aerum Identityből vagy az LDAP-kiszolgálóról, vagy váltson nagyobb csomagra a kvóták növeléséhez.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Az Aerum Identity korlátozott módban működik. A kapcsolat folytatásához módosítsa a kvótákat a felügyeleti portálon.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Kiszolgáló megjelenő neve</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Ez a kiszolgáló csatlakozott, de jóvá kell hagynia az Aerum Identity felügyeleti portálján.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Adja meg a csatlakozási kulcsot, hogy az Aerum Identity engedélyezze ezt a kiszolgálót. Az Active Directory és az Aerum Identity integrálásáról &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;ebben a cikkben&lt;/a&gt; olvashat.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Adja meg az alábbi adatokat, hogy az Aerum Identity engedélyezze az LDAP-kiszolgálót. A csatlakozási kulcs beszerzéséről &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;ebben a cikkben&lt;/a&gt; olvashat.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Kötelező</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
</context>
</TS>
