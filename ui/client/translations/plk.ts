<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agent Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Wymagane zatwierdzenie</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Zatwierdź w portalu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Bazowy DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN powiązania</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Hasło DN powiązania</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Klucz połączenia</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Połącz z Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Połącz z serwerem LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Ten serwer jest połączony z Aerum Identity. Przejdź do &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portalu administracyjnego Aerum Identity&lt;/a&gt;, aby przypisać użytkownikom domeny dostęp do zasobów w chmurze i zasobów lokalnych.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Łączenie z serwerem... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Rozłączanie...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Edytuj dane połączenia</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Wprowadź poniższe informacje, aby połączyć się z serwerem LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Nie można połączyć się z serwerem LDAP. Upewnij się, że masz dostęp do Internetu, a informacje LDAP są poprawne.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Nie można prawidłowo aktywować usługi. Uruchom ponownie urządzenie i spróbuj jeszcze raz. Jeśli problem nie ustąpi, skontaktuj się z pomocą techniczną firmy Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Niewystarczające uprawnienia do otwarcia tego pliku. Kliknij ten plik prawym przyciskiem myszy na pulpicie i wybierz polecenie „Uruchom jako administrator”.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Nie można wykonać tej operacji. Możliwe, że połączenie sieciowe jest niestabilne lub system jest zajęty. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>To pole jest wymagane.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inicjowanie...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Trwa inicjowanie Aerum Identity LDAP Sync. Proszę czekać...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Inicjowanie nie powiodło się. Kliknij „Ponów”, aby ponowić inicjowanie.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Klucz połączenia jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Lokalny adres IP LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Nie udało się połączyć z serwerem LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Ostatnie połączenie serwera: %1. Aby przywrócić połączenie, wykonaj następujące czynności:&lt;br&gt;
- Sprawdź, czy połączenie sieciowe działa prawidłowo.&lt;br&gt;
- Edytuj &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;ustawienia połączenia&lt;/a&gt;.&lt;br&gt;
- Zainstaluj ponownie agenta Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Wprowadź poniższe informacje, aby nawiązać połączenie z serwerem LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Ostatnie połączenie serwera: %1. Aby przywrócić połączenie, sprawdź ustawienia sieciowe lub zainstaluj ponownie Aerum Identity LDAP Sync na serwerze.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Synchronizacja nie powiodła się, ponieważ mogły zostać osiągnięte limity użytkowników, grup lub licencji. Aby rozwiązać ten problem, usuń nieużywane zasoby w Aerum Identity lub na serwerze LDAP albo przejdź na wyższy plan, aby zwiększyć przydziały.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Twoja usługa Aerum Identity działa w trybie ograniczonym. Aby wznowić połączenie, dostosuj przydziały w portalu administracyjnym.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nazwa wyświetlana serwera</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Ten serwer jest połączony i wymaga Twojego zatwierdzenia w portalu administracyjnym Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Wprowadź klucz połączenia, aby autoryzować ten serwer w Aerum Identity. Zapoznaj się z &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;tym artykułem&lt;/a&gt;, aby dowiedzieć się, jak zintegrować usługę Active Directory z Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Wprowadź poniższe informacje, aby autoryzować serwer LDAP w Aerum Identity. Zapoznaj się z &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;tym artykułem&lt;/a&gt;, aby dowiedzieć się, jak uzyskać klucz połączenia.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Wymagane</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
</TS>
