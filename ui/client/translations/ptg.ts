<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agente do Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Aprovação necessária</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Aprovar no portal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>DN base</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de ligação</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Palavra-passe do DN de ligação</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Chave de ligação</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Ligar ao Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Ligar ao servidor LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Este servidor está ligado ao Aerum Identity. Aceda ao &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portal de administração do Aerum Identity&lt;/a&gt; para conceder aos utilizadores do domínio acesso a recursos na nuvem e locais.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>A ligar ao servidor... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>A desligar...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Editar informações de ligação</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Introduza as seguintes informações para se ligar ao seu servidor LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Não é possível ligar ao servidor LDAP. Certifique-se de que tem acesso à Internet e de que as informações do LDAP estão corretas.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Não é possível ativar o serviço normalmente. Reinicie o dispositivo e tente novamente. Se o problema persistir, contacte o Suporte Técnico da Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Privilégios insuficientes para abrir este ficheiro. Clique com o botão direito do rato neste ficheiro no ambiente de trabalho e selecione &quot;Executar como administrador&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Não é possível efetuar esta operação, possivelmente porque a ligação de rede está instável ou o sistema está ocupado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo é obrigatório.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>A inicializar...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>A inicializar o Aerum Identity LDAP Sync. Aguarde...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Falha na inicialização. Clique em Tentar novamente para inicializar de novo.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>A chave de ligação é inválida.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP local do LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Não foi possível ligar ao servidor LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>A última ligação do servidor foi em %1. Para restaurar a ligação, experimente o seguinte:&lt;br&gt;
- Verifique se a ligação de rede está a funcionar corretamente.&lt;br&gt;
- Edite as &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;definições de ligação&lt;/a&gt;.&lt;br&gt;
- Reinstale o agente do Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Introduza as seguintes informações para se ligar ao seu servidor LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>A última ligação do servidor foi em %1. Para restaurar a ligação, verifique as definições de rede ou reinstale o Aerum Identity LDAP Sync no servidor.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>A sincronização falhou porque os limites de utilizadores, grupos ou licenças podem ter sido atingidos. Para resolver este problema, remova os recursos não utilizados no Aerum Identity ou no seu servidor LDAP, ou atualize o seu plano para aumentar as quotas.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>O seu Aerum Identity está em modo restrito. Para retomar a ligação, ajuste as quotas no portal de administração.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nome a apresentar do servidor</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Este servidor está ligado e requer a sua aprovação no portal de administração do Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Introduza a chave de ligação para que este servidor seja autorizado pelo Aerum Identity. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artigo&lt;/a&gt; para saber como integrar o Active Directory com o Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Introduza as seguintes informações para autorizar o seu servidor LDAP no Aerum Identity. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artigo&lt;/a&gt; para saber como obter uma chave de ligação.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatório</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
</TS>
