<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync Agent</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Approval Required</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Approve in Admin Portal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Base DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Bind DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Bind DN password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Connect key</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Connect to Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Connect to LDAP server</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Connecting to server... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Disconnecting...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Edit connection information</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Enter the following information to connect to your LDAP server.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>This field is required.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initializing...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Initializing Aerum Identity LDAP Sync. Please wait...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Initialization failed. Click Retry to initialize again.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>The connect key is invalid.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP local IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Couldn&apos;t connect to the LDAP server</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Enter the following information to connect with your LDAP server.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Server display name</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>This server is connected, requiring your approval in the Aerum Identity admin portal.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
</TS>
