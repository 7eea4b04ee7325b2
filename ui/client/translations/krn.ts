<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Aerum Identity LDAP Sync 에이전트</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>승인 필요</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>관리 포털에서 승인</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>기본 DN</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>바인드 DN</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>바인드 DN 암호</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>연결 키</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Aerum Identity에 연결</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>LDAP 서버에 연결</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결되었습니다</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>이 서버는 Aerum Identity에 연결되어 있습니다. &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity 관리 포털&lt;/a&gt;로 이동하여 도메인 사용자에게 클라우드 및 온프레미스 리소스에 대한 액세스 권한을 할당하십시오.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>서버에 연결하는 중... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>연결을 끊는 중...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>연결 정보 편집</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>LDAP 서버에 연결하려면 다음 정보를 입력하십시오.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>LDAP 서버에 연결할 수 없습니다. 인터넷에 액세스할 수 있는지, LDAP 정보가 올바른지 확인하십시오.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>서비스를 정상적으로 활성화할 수 없습니다. 장치를 다시 부팅한 후 다시 시도하십시오. 문제가 계속되면 Velmora 기술 지원팀에 문의하십시오. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>이 파일을 열 수 있는 권한이 없습니다. 바탕 화면에서 이 파일을 마우스 오른쪽 단추로 클릭하고 [관리자 권한으로 실행]을 선택하십시오.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>이 작업을 수행할 수 없습니다. 네트워크 연결이 불안정하거나 시스템이 사용 중일 수 있습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>필수 입력 항목입니다.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>초기화하는 중...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Aerum Identity LDAP Sync를 초기화하는 중입니다. 잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>초기화하지 못했습니다. [다시 시도]를 클릭하여 다시 초기화하십시오.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>연결 키가 유효하지 않습니다.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>LDAP 로컬 IP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>LDAP 서버에 연결하지 못했습니다</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>서버의 마지막 연결 시간은 %1입니다. 연결을 복원하려면 다음을 시도하십시오.&lt;br&gt;
- 네트워크 연결이 제대로 작동하는지 확인하십시오.&lt;br&gt;
- &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;연결 설정&lt;/a&gt;을 편집하십시오.&lt;br&gt;
- Aerum Identity LDAP Sync 에이전트를 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>LDAP 서버와 연결하려면 다음 정보를 입력하십시오.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>서버의 마지막 연결 시간은 %1입니다. 연결을 복원하려면 네트워크 설정을 확인하거나 서버에 Aerum Identity LDAP Sync를 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>사용자, 그룹 또는 라이선스 한도에 도달했을 수 있어 동기화에 실패했습니다. 이 문제를 해결하려면 Aerum Identity 또는 LDAP 서버에서 사용하지 않는 리소스를 제거하거나 요금제를 업그레이드하여 할당량을 늘리십시오.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity가 제한 모드입니다. 연결을 재개하려면 관리 포털에서 할당량을 조정하십시오.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>서버 표시 이름</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>이 서버는 연결되었으며 Aerum Identity 관리 포털에서 승인해야 합니다.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>연결 키를 입력하여 Aerum Identity에서 이 서버에 권한을 부여하십시오. Active Directory를 Aerum Identity와 통합하는 방법은 &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;이 문서&lt;/a&gt;를 참조하십시오.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Aerum Identity에서 LDAP 서버에 권한을 부여하려면 다음 정보를 입력하십시오. 연결 키를 받는 방법은 &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;이 문서&lt;/a&gt;를 참조하십시오.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>필수</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
</TS>
