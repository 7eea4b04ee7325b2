<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync 代理程序</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>需要审批</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>在管理门户中审批</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>基准 DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>绑定 DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>绑定 DN 密码</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>:</source>
        <translation>：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>连接密钥</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>连接到 Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>连接到 LDAP 服务器</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>此服务器已连接到 Aerum Identity。请前往&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity 管理门户&lt;/a&gt;，为域用户分配云端和本地资源的访问权限。</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>正在连接服务器... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>正在断开连接...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>编辑连接信息</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>请输入以下信息以连接到您的 LDAP 服务器。</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>无法连接到 LDAP 服务器。请确保您可以访问互联网，并且 LDAP 信息正确。</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>服务无法正常启动。请重启设备后重试。如果问题仍然存在，请联系 Velmora 技术支持。 </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>权限不足，无法打开此文件。请在桌面上右键单击此文件，然后选择“以管理员身份运行”。</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>无法执行此操作，可能是网络连接不稳定或系统繁忙。请稍后重试。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此字段为必填项。</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>正在初始化...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>正在初始化 Aerum Identity LDAP Sync，请稍候...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>初始化失败。请单击“重试”重新初始化。</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>连接密钥无效。</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP 本地 IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>无法连接到 LDAP 服务器</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>服务器上次连接时间为 %1。要恢复连接，请尝试以下操作：&lt;br&gt;
- 检查网络连接是否正常。&lt;br&gt;
- 编辑您的&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;连接设置&lt;/a&gt;。&lt;br&gt;
- 重新安装 Aerum Identity LDAP Sync 代理程序。</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>请输入以下信息，以便与您的 LDAP 服务器建立连接。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开连接</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>服务器上次连接时间为 %1。要恢复连接，请检查网络设置，或在服务器上重新安装 Aerum Identity LDAP Sync。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>同步失败，可能已达到用户、组或许可证数量上限。要解决此问题，请删除 Aerum Identity 或 LDAP 服务器中未使用的资源，或升级您的套餐以提高配额。</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>您的 Aerum Identity 处于受限模式。要恢复连接，请在管理门户中调整配额。</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>服务器显示名称</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>此服务器已连接，需要您在 Aerum Identity 管理门户中审批。</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>请输入连接密钥，使此服务器获得 Aerum Identity 的授权。请参阅&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;这篇文章&lt;/a&gt;，了解如何将 Active Directory 与 Aerum Identity 集成。</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>请输入以下信息，以通过 Aerum Identity 授权您的 LDAP 服务器。请参阅&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;这篇文章&lt;/a&gt;，了解如何获取连接密钥。</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
