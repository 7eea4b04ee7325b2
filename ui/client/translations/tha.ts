<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>เอเจนต์ Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>ต้องได้รับการอนุมัติ</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>อนุมัติในพอร์ทัลผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
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
        <translation>รหัสผ่าน Bind DN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>เชื่อมต่อ</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>คีย์การเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>เชื่อมต่อกับ Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>เชื่อมต่อกับเซิร์ฟเวอร์ LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>เชื่อมต่อแล้ว</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>เซิร์ฟเวอร์นี้เชื่อมต่อกับ Aerum Identity แล้ว ไปที่&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;พอร์ทัลผู้ดูแลระบบ Aerum Identity&lt;/a&gt;เพื่อกำหนดสิทธิ์ให้ผู้ใช้โดเมนเข้าถึงทรัพยากรบนคลาวด์และในองค์กร</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>กำลังเชื่อมต่อกับเซิร์ฟเวอร์... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>กำลังยกเลิกการเชื่อมต่อ...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>แก้ไขข้อมูลการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>ป้อนข้อมูลต่อไปนี้เพื่อเชื่อมต่อกับเซิร์ฟเวอร์ LDAP ของคุณ</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>ไม่สามารถเชื่อมต่อกับเซิร์ฟเวอร์ LDAP ได้ ตรวจสอบให้แน่ใจว่าคุณเข้าถึงอินเทอร์เน็ตได้และข้อมูล LDAP ถูกต้อง</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>ไม่สามารถเปิดใช้งานบริการได้ตามปกติ โปรดรีบูตอุปกรณ์แล้วลองอีกครั้ง หากยังคงพบปัญหา โปรดติดต่อฝ่ายสนับสนุนทางเทคนิคของ Velmora </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>สิทธิ์ไม่เพียงพอสำหรับการเปิดไฟล์นี้ คลิกขวาที่ไฟล์นี้บนเดสก์ท็อป แล้วเลือก &quot;เรียกใช้ในฐานะผู้ดูแลระบบ&quot;</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>ไม่สามารถดำเนินการนี้ได้ อาจเป็นเพราะการเชื่อมต่อเครือข่ายไม่เสถียรหรือระบบไม่ว่าง โปรดลองอีกครั้งในภายหลัง</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>ต้องกรอกข้อมูลในช่องนี้</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>กำลังเริ่มต้น...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>กำลังเริ่มต้น Aerum Identity LDAP Sync โปรดรอสักครู่...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>การเริ่มต้นล้มเหลว คลิก &quot;ลองอีกครั้ง&quot; เพื่อเริ่มต้นใหม่</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>คีย์การเชื่อมต่อไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP ภายในของ LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>ไม่สามารถเชื่อมต่อกับเซิร์ฟเวอร์ LDAP ได้</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>เซิร์ฟเวอร์เชื่อมต่อครั้งล่าสุดเมื่อ %1 หากต้องการกู้คืนการเชื่อมต่อ ให้ลองทำดังนี้&lt;br&gt;
- ตรวจสอบว่าการเชื่อมต่อเครือข่ายทำงานได้ตามปกติ&lt;br&gt;
- แก้ไข&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;การตั้งค่าการเชื่อมต่อ&lt;/a&gt;&lt;br&gt;
- ติดตั้งเอเจนต์ Aerum Identity LDAP Sync ใหม่</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>ป้อนข้อมูลต่อไปนี้เพื่อเชื่อมต่อกับเซิร์ฟเวอร์ LDAP ของคุณ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>ถัดไป</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>ขาดการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>เซิร์ฟเวอร์เชื่อมต่อครั้งล่าสุดเมื่อ %1 หากต้องการกู้คืนการเชื่อมต่อ ให้ตรวจสอบการตั้งค่าเครือข่าย หรือติดตั้ง Aerum Identity LDAP Sync บนเซิร์ฟเวอร์ใหม่</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>พอร์ต</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>โปรโตคอล</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>การซิงค์ล้มเหลว เนื่องจากอาจถึงขีดจำกัดจำนวนผู้ใช้ กลุ่ม หรือใบอนุญาตแล้ว หากต้องการแก้ไขปัญหานี้ ให้ลบทรัพยากรที่ไม่ได้ใช้ใน Aerum Identity หรือเซิร์ฟเวอร์ LDAP ของคุณ หรืออัปเกรดแผนบริการเพื่อเพิ่มโควตา</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Aerum Identity ของคุณอยู่ในโหมดจำกัด หากต้องการกลับมาเชื่อมต่ออีกครั้ง ให้ปรับโควตาในพอร์ทัลผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>ชื่อที่แสดงของเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>เซิร์ฟเวอร์นี้เชื่อมต่อแล้ว และต้องได้รับการอนุมัติจากคุณในพอร์ทัลผู้ดูแลระบบ Aerum Identity</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>ป้อนคีย์การเชื่อมต่อเพื่อให้เซิร์ฟเวอร์นี้ได้รับอนุญาตจาก Aerum Identity ดู&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;บทความนี้&lt;/a&gt;เพื่อเรียนรู้วิธีผสานรวม Active Directory กับ Aerum Identity</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>ป้อนข้อมูลต่อไปนี้เพื่อให้เซิร์ฟเวอร์ LDAP ของคุณได้รับอนุญาตจาก Aerum Identity ดู&lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;บทความนี้&lt;/a&gt;เพื่อเรียนรู้วิธีรับคีย์การเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>จำเป็น</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
</context>
</TS>
