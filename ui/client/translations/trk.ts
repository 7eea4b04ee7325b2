<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync Aracısı</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Onay gerekiyor</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Yönetim portalında onayla</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Temel DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Bağlama DN&apos;si</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Bağlama DN&apos;si parolası</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Bağlantı anahtarı</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Aerum Identity&apos;ye bağlan</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>LDAP sunucusuna bağlan</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Bağlandı</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Bu sunucu Aerum Identity&apos;ye bağlı. Etki alanı kullanıcılarına bulut ve şirket içi kaynaklar için erişim izni vermek üzere &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity yönetim portalına&lt;/a&gt; gidin.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Sunucuya bağlanılıyor... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Bağlantı kesiliyor...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Bağlantı bilgilerini düzenle</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>LDAP sunucunuza bağlanmak için aşağıdaki bilgileri girin.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>LDAP sunucusuna bağlanılamıyor. İnternet erişiminiz olduğundan ve LDAP bilgilerinin doğru olduğundan emin olun.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Hizmet normal şekilde etkinleştirilemiyor. Lütfen cihazınızı yeniden başlatıp tekrar deneyin. Sorun devam ederse lütfen Velmora Teknik Destek ile iletişime geçin. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Bu dosyayı açmak için yeterli yetkiniz yok. Masaüstünde bu dosyaya sağ tıklayın ve &quot;Yönetici olarak çalıştır&quot; seçeneğini belirleyin.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Bu işlem gerçekleştirilemiyor. Ağ bağlantısı kararsız veya sistem meşgul olabilir. Lütfen daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Bu alan zorunludur.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Başlatılıyor...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Aerum Identity LDAP Sync başlatılıyor. Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Başlatma başarısız oldu. Tekrar başlatmak için &quot;Yeniden dene&quot; düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Bağlantı anahtarı geçersiz.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP yerel IP&apos;si</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>LDAP sunucusuna bağlanılamadı</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Sunucunun son bağlantı zamanı: %1. Bağlantıyı yeniden kurmak için şunları deneyin:&lt;br&gt;
- Ağ bağlantınızın düzgün çalışıp çalışmadığını kontrol edin.&lt;br&gt;
- &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;Bağlantı ayarlarınızı&lt;/a&gt; düzenleyin.&lt;br&gt;
- Aerum Identity LDAP Sync aracısını yeniden yükleyin.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>LDAP sunucunuzla bağlantı kurmak için aşağıdaki bilgileri girin.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Sunucunun son bağlantı zamanı: %1. Bağlantıyı yeniden kurmak için ağ ayarlarını kontrol edin veya Aerum Identity LDAP Sync&apos;i sunucuya yeniden yükleyin.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Kullanıcı, grup veya lisans sınırlarına ulaşılmış olabileceğinden eşitleme başarısız oldu. Bu sorunu çözmek için Aerum Identity&apos;de veya LDAP sunucunuzda kullanılmayan kaynakları kaldırın ya da kotaları artırmak için planınızı yükseltin.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity&apos;niz kısıtlı modda. Bağlantıyı sürdürmek için yönetim portalında kotalarınızı ayarlayın.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Sunucu görünen adı</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Bu sunucu bağlı; Aerum Identity yönetim portalında onaylamanız gerekiyor.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Bu sunucunun Aerum Identity tarafından yetkilendirilmesi için bağlantı anahtarını girin. Active Directory&apos;yi Aerum Identity ile tümleştirmeyi öğrenmek için &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;bu makaleye&lt;/a&gt; bakın.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>LDAP sunucunuzun Aerum Identity tarafından yetkilendirilmesi için aşağıdaki bilgileri girin. Bağlantı anahtarının nasıl alınacağını öğrenmek için &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;bu makaleye&lt;/a&gt; bakın.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Zorunlu</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
</context>
</TS>
