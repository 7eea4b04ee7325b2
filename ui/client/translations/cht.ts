<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync 代理程式</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>需要核准</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>在管理入口網站核准</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>基本 DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>繫結 DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>繫結 DN 密碼</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>:</source>
        <translation>：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>連線金鑰</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>連線至 Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>連線至 LDAP 伺服器</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>此伺服器已連線至 Aerum Identity。請前往&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity 管理入口網站&lt;/a&gt;，為網域使用者指派雲端和內部部署資源的存取權。</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>正在連線至伺服器... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>正在中斷連線...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>編輯連線資訊</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>請輸入下列資訊以連線至您的 LDAP 伺服器。</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>無法連線至 LDAP 伺服器。請確認您可以存取網際網路，且 LDAP 資訊正確無誤。</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>服務無法正常啟動。請重新啟動您的裝置後再試一次。如果問題仍然存在，請聯絡 Velmora 技術支援。 </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>權限不足，無法開啟此檔案。請在桌面上以滑鼠右鍵按一下此檔案，然後選取「以系統管理員身分執行」。</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>無法執行此操作，可能是網路連線不穩定或系統忙碌中。請稍後再試。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此欄位為必填。</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>正在初始化...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>正在初始化 Aerum Identity LDAP Sync，請稍候...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>初始化失敗。請按一下「重試」重新初始化。</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>連線金鑰無效。</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP 本機 IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>無法連線至 LDAP 伺服器</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>伺服器上次連線時間為 %1。若要恢復連線，請嘗試下列方法：&lt;br&gt;
- 檢查網路連線是否正常運作。&lt;br&gt;
- 編輯您的&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;連線設定&lt;/a&gt;。&lt;br&gt;
- 重新安裝 Aerum Identity LDAP Sync 代理程式。</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>請輸入下列資訊，以便與您的 LDAP 伺服器建立連線。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>伺服器上次連線時間為 %1。若要恢復連線，請檢查網路設定，或在伺服器上重新安裝 Aerum Identity LDAP Sync。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>通訊協定</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>同步失敗，可能已達到使用者、群組或授權數量上限。若要解決此問題，請移除 Aerum Identity 或 LDAP 伺服器中未使用的資源，或升級您的方案以提高配額。</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>您的 Aerum Identity 處於受限模式。若要恢復連線，請在管理入口網站中調整配額。</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>伺服器顯示名稱</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>此伺服器已連線，需要您在 Aerum Identity 管理入口網站中核准。</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>請輸入連線金鑰，讓此伺服器取得 Aerum Identity 的授權。請參閱&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;這篇文章&lt;/a&gt;，了解如何整合 Active Directory 與 Aerum Identity。</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>請輸入下列資訊，以透過 Aerum Identity 授權您的 LDAP 伺服器。請參閱&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;這篇文章&lt;/a&gt;，了解如何取得連線金鑰。</translation>
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
