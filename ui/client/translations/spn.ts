<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agente de Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Aprobación necesaria</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Aprobar en el portal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>DN base</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de enlace</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Contraseña del DN de enlace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Clave de conexión</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Conectar con Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Conectar con el servidor LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Este servidor está conectado a Aerum Identity. Vaya al &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portal de administración de Aerum Identity&lt;/a&gt; para conceder a los usuarios del dominio acceso a los recursos en la nube y locales.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Conectando con el servidor... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Desconectando...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Editar información de conexión</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Introduzca la siguiente información para conectarse a su servidor LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>No se puede conectar con el servidor LDAP. Asegúrese de que dispone de acceso a Internet y de que la información de LDAP es correcta.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>El servicio no se puede activar con normalidad. Reinicie el dispositivo e inténtelo de nuevo. Si el problema persiste, póngase en contacto con el soporte técnico de Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>No tiene privilegios suficientes para abrir este archivo. Haga clic con el botón derecho en este archivo en el escritorio y seleccione &quot;Ejecutar como administrador&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>No se puede realizar esta operación, posiblemente porque la conexión de red es inestable o el sistema está ocupado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo es obligatorio.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inicializando...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Inicializando Aerum Identity LDAP Sync. Espere un momento...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Error de inicialización. Haga clic en Reintentar para volver a inicializar.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>La clave de conexión no es válida.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP local de LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>No se pudo conectar con el servidor LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>La última conexión del servidor fue el %1. Para restablecer la conexión, pruebe lo siguiente:&lt;br&gt;
- Compruebe que la conexión de red funciona correctamente.&lt;br&gt;
- Edite la &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;configuración de conexión&lt;/a&gt;.&lt;br&gt;
- Vuelva a instalar el agente de Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Introduzca la siguiente información para conectarse a su servidor LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>La última conexión del servidor fue el %1. Para restablecer la conexión, compruebe la configuración de red o vuelva a instalar Aerum Identity LDAP Sync en el servidor.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>No se pudo sincronizar porque es posible que se hayan alcanzado los límites de usuarios, grupos o licencias. Para resolver este problema, elimine los recursos que no utilice en Aerum Identity o en su servidor LDAP, o mejore su plan para aumentar las cuotas.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Su Aerum Identity está en modo restringido. Para reanudar la conexión, ajuste las cuotas en el portal de administración.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nombre para mostrar del servidor</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Este servidor está conectado y requiere su aprobación en el portal de administración de Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Introduzca la clave de conexión para que Aerum Identity autorice este servidor. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artículo&lt;/a&gt; para saber cómo integrar Active Directory con Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Introduzca la siguiente información para autorizar su servidor LDAP en Aerum Identity. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artículo&lt;/a&gt; para saber cómo obtener una clave de conexión.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatorio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
</TS>
