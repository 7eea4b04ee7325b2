<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync エージェント</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>承認が必要です</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>管理ポータルで承認</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>ベース DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>バインド DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>バインド DN のパスワード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>:</source>
        <translation>：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>接続キー</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Aerum Identity に接続</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>LDAP サーバーに接続</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続しました</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>このサーバーは Aerum Identity に接続されています。&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity 管理ポータル&lt;/a&gt;にアクセスして、ドメイン ユーザーにクラウドおよびオンプレミスのリソースへのアクセス権を割り当ててください。</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>サーバーに接続しています... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>切断しています...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>接続情報の編集</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>LDAP サーバーに接続するには、次の情報を入力してください。</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>LDAP サーバーに接続できません。インターネットにアクセスできること、および LDAP 情報が正しいことを確認してください。</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>サービスを正常に起動できません。デバイスを再起動してから、もう一度お試しください。問題が解決しない場合は、Velmora テクニカル サポートにお問い合わせください。 </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>このファイルを開く権限がありません。デスクトップでこのファイルを右クリックし、[管理者として実行] を選択してください。</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>この操作を実行できません。ネットワーク接続が不安定であるか、システムがビジー状態である可能性があります。しばらくしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>この項目は必須です。</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>初期化しています...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Aerum Identity LDAP Sync を初期化しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>初期化に失敗しました。[再試行] をクリックして、もう一度初期化してください。</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>接続キーが無効です。</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP ローカル IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>LDAP サーバーに接続できませんでした</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>サーバーの最終接続日時は %1 です。接続を復元するには、次の操作をお試しください。&lt;br&gt;
- ネットワーク接続が正常に機能しているかどうかを確認してください。&lt;br&gt;
- &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;接続設定&lt;/a&gt;を編集してください。&lt;br&gt;
- Aerum Identity LDAP Sync エージェントを再インストールしてください。</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>LDAP サーバーと接続するには、次の情報を入力してください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断されました</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>サーバーの最終接続日時は %1 です。接続を復元するには、ネットワーク設定を確認するか、サーバーに Aerum Identity LDAP Sync を再インストールしてください。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>ユーザー、グループ、またはライセンスの上限に達した可能性があるため、同期に失敗しました。この問題を解決するには、Aerum Identity または LDAP サーバーで未使用のリソースを削除するか、プランをアップグレードしてクォータを増やしてください。</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity は制限モードになっています。接続を再開するには、管理ポータルでクォータを調整してください。</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>サーバーの表示名</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>このサーバーは接続されていますが、Aerum Identity 管理ポータルでの承認が必要です。</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>接続キーを入力して、このサーバーについて Aerum Identity の認可を受けてください。Active Directory を Aerum Identity と統合する方法については、&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;こちらの記事&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>LDAP サーバーについて Aerum Identity の認可を受けるには、次の情報を入力してください。接続キーの取得方法については、&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;こちらの記事&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必須</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
