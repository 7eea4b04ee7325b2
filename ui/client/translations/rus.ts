<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Агент Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Требуется утверждение</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Утвердить на портале</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>Базовый DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN привязки</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Пароль DN привязки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Ключ подключения</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Подключение к Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Подключение к серверу LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Этот сервер подключен к Aerum Identity. Перейдите на &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;портал администрирования Aerum Identity&lt;/a&gt;, чтобы предоставить пользователям домена доступ к облачным и локальным ресурсам.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Подключение к серверу... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Отключение...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Изменение данных подключения</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Введите следующие данные для подключения к серверу LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Не удалось подключиться к серверу LDAP. Убедитесь, что есть доступ к Интернету и данные LDAP указаны правильно.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Не удается корректно запустить службу. Перезагрузите устройство и повторите попытку. Если проблема не будет устранена, обратитесь в службу технической поддержки Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Недостаточно прав для открытия этого файла. Щелкните этот файл правой кнопкой мыши на рабочем столе и выберите «Запуск от имени администратора».</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Не удалось выполнить эту операцию. Возможно, сетевое подключение нестабильно или система занята. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Это поле обязательно для заполнения.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Инициализация...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Инициализация Aerum Identity LDAP Sync. Подождите...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Ошибка инициализации. Нажмите «Повторить», чтобы запустить инициализацию снова.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>Недопустимый ключ подключения.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>Локальный IP LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Не удалось подключиться к серверу LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Последнее подключение сервера: %1. Чтобы восстановить подключение, попробуйте следующее:&lt;br&gt;
- Проверьте, работает ли сетевое подключение.&lt;br&gt;
- Измените &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;параметры подключения&lt;/a&gt;.&lt;br&gt;
- Переустановите агент Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Введите следующие данные, чтобы подключиться к серверу LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Последнее подключение сервера: %1. Чтобы восстановить подключение, проверьте сетевые параметры или переустановите Aerum Identity LDAP Sync на сервере.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>Не удалось выполнить синхронизацию: возможно, достигнуты ограничения на количество пользователей, групп или лицензий. Чтобы устранить проблему, удалите неиспользуемые ресурсы в Aerum Identity или на сервере LDAP либо перейдите на тарифный план с более высокими квотами.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity работает в ограниченном режиме. Чтобы возобновить подключение, измените квоты на портале администрирования.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Отображаемое имя сервера</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Этот сервер подключен, но требует вашего утверждения на портале администрирования Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Введите ключ подключения, чтобы авторизовать этот сервер в Aerum Identity. Сведения об интеграции Active Directory с Aerum Identity см. в &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;этой статье&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Введите следующие данные, чтобы авторизовать сервер LDAP в Aerum Identity. Сведения о том, как получить ключ подключения, см. в &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;этой статье&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Обязательно</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
</TS>
