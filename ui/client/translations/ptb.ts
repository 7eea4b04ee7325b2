<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Voltar</translation>
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
        <translation>Senha do DN de ligação</translation>
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
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Chave de conexão</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Conectar ao Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Conectar ao servidor LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Este servidor está conectado ao Aerum Identity. Acesse o &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portal de administração do Aerum Identity&lt;/a&gt; para conceder aos usuários do domínio acesso a recursos na nuvem e locais.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Conectando ao servidor... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Desconectando...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Editar informações de conexão</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Insira as informações a seguir para se conectar ao seu servidor LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Não foi possível conectar ao servidor LDAP. Verifique se você tem acesso à Internet e se as informações do LDAP estão corretas.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>O serviço não pode ser ativado normalmente. Reinicie o dispositivo e tente novamente. Se o problema persistir, entre em contato com o Suporte Técnico da Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Privilégios insuficientes para abrir este arquivo. Clique com o botão direito neste arquivo na área de trabalho e selecione &quot;Executar como administrador&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Não foi possível executar esta operação, possivelmente porque a conexão de rede está instável ou o sistema está ocupado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo é obrigatório.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Inicializando...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Inicializando o Aerum Identity LDAP Sync. Aguarde...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Falha na inicialização. Clique em Tentar novamente para inicializar de novo.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>A chave de conexão é inválida.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP local do LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Não foi possível conectar ao servidor LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>A última conexão do servidor foi em %1. Para restaurar a conexão, tente o seguinte:&lt;br&gt;
- Verifique se a sua conexão de rede está funcionando corretamente.&lt;br&gt;
- Edite as &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;configurações de conexão&lt;/a&gt;.&lt;br&gt;
- Reinstale o agente do Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Insira as informações a seguir para se conectar ao seu servidor LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>A última conexão do servidor foi em %1. Para restaurar a conexão, verifique as configurações de rede ou reinstale o Aerum Identity LDAP Sync no servidor.</translation>
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
        <translation>Falha na sincronização porque os limites de usuários, grupos ou licenças podem ter sido atingidos. Para resolver esse problema, remova os recursos não utilizados no Aerum Identity ou no seu servidor LDAP, ou faça upgrade do seu plano para aumentar as cotas.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Seu Aerum Identity está em modo restrito. Para retomar a conexão, ajuste as cotas no portal de administração.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nome de exibição do servidor</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Este servidor está conectado e requer sua aprovação no portal de administração do Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Insira a chave de conexão para que este servidor seja autorizado pelo Aerum Identity. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artigo&lt;/a&gt; para saber como integrar o Active Directory ao Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Insira as informações a seguir para autorizar seu servidor LDAP no Aerum Identity. Consulte &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;este artigo&lt;/a&gt; para saber como obter uma chave de conexão.</translation>
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
