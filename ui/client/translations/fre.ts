<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>global</name>
    <message>
        <source>Aerum Identity LDAP Sync Agent</source>
        <translation>Agent Aerum Identity LDAP Sync</translation>
    </message>
    <message>
        <source>Approval Required</source>
        <translation>Approbation requise</translation>
    </message>
    <message>
        <source>Approve in Admin Portal</source>
        <translation>Approuver dans le portail</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Base DN</source>
        <translation>DN de base</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de liaison</translation>
    </message>
    <message>
        <source>Bind DN password</source>
        <translation>Mot de passe du DN de liaison</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>:</source>
        <translation> :</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Connect key</source>
        <translation>Clé de connexion</translation>
    </message>
    <message>
        <source>Connect to Aerum Identity</source>
        <translation>Se connecter à Aerum Identity</translation>
    </message>
    <message>
        <source>Connect to LDAP server</source>
        <translation>Se connecter au serveur LDAP</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>This server is connected to Aerum Identity. Go to the &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;Aerum Identity admin portal&lt;/a&gt; to assign domain users access to cloud and on-prem resources.</source>
        <translation>Ce serveur est connecté à Aerum Identity. Accédez au &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;portail d&apos;administration Aerum Identity&lt;/a&gt; pour accorder aux utilisateurs du domaine l&apos;accès aux ressources cloud et sur site.</translation>
    </message>
    <message>
        <source>Connecting to server... </source>
        <translation>Connexion au serveur... </translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Déconnexion...</translation>
    </message>
    <message>
        <source>Edit connection information</source>
        <translation>Modifier les informations de connexion</translation>
    </message>
    <message>
        <source>Enter the following information to connect to your LDAP server.</source>
        <translation>Saisissez les informations suivantes pour vous connecter à votre serveur LDAP.</translation>
    </message>
    <message>
        <source>Unable to connect to the LDAP server. Make sure you have Internet access and the correct LDAP information.</source>
        <translation>Impossible de se connecter au serveur LDAP. Vérifiez que vous disposez d&apos;un accès à Internet et que les informations LDAP sont correctes.</translation>
    </message>
    <message>
        <source>The service cannot be activated normally. Please reboot your device and try again. If the problem remains, please contact Velmora Technical Support. </source>
        <translation>Le service ne peut pas être activé normalement. Redémarrez votre appareil et réessayez. Si le problème persiste, contactez le support technique de Velmora. </translation>
    </message>
    <message>
        <source>Insufficient privileges to open this file. Right-click this file on the desktop and select &quot;Run as administrator&quot;.</source>
        <translation>Privilèges insuffisants pour ouvrir ce fichier. Cliquez avec le bouton droit sur ce fichier sur le Bureau et sélectionnez &quot;Exécuter en tant qu&apos;administrateur&quot;.</translation>
    </message>
    <message>
        <source>Unable to perform this operation, possibly because the network connection is unstable or the system is busy. Please try again later.</source>
        <translation>Impossible d&apos;effectuer cette opération, peut-être parce que la connexion réseau est instable ou que le système est occupé. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Ce champ est obligatoire.</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Initialisation...</translation>
    </message>
    <message>
        <source>Initializing Aerum Identity LDAP Sync. Please wait...</source>
        <translation>Initialisation d&apos;Aerum Identity LDAP Sync. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Initialization failed. Click Retry to initialize again.</source>
        <translation>Échec de l&apos;initialisation. Cliquez sur Réessayer pour relancer l&apos;initialisation.</translation>
    </message>
    <message>
        <source>The connect key is invalid.</source>
        <translation>La clé de connexion n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>LDAP local IP</source>
        <translation>IP locale LDAP</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to the LDAP server</source>
        <translation>Impossible de se connecter au serveur LDAP</translation>
    </message>
    <message>
        <source>The server was last connected at %1. To restore the connection, try the following:&lt;br&gt;
- Check if your network connection is working properly.&lt;br&gt;
- Edit your &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;connection settings&lt;/a&gt;.&lt;br&gt;
- Reinstall the Aerum Identity LDAP Sync agent.</source>
        <translation>Le serveur s&apos;est connecté pour la dernière fois le %1. Pour rétablir la connexion, essayez les solutions suivantes :&lt;br&gt;
- Vérifiez que votre connexion réseau fonctionne correctement.&lt;br&gt;
- Modifiez vos &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%2&quot;&gt;paramètres de connexion&lt;/a&gt;.&lt;br&gt;
- Réinstallez l&apos;agent Aerum Identity LDAP Sync.</translation>
    </message>
    <message>
        <source>Enter the following information to connect with your LDAP server.</source>
        <translation>Saisissez les informations suivantes pour vous connecter à votre serveur LDAP.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>The server last connected at %1. To restore the connection, check the network settings or reinstall Aerum Identity LDAP Sync on the server.</source>
        <translation>Le serveur s&apos;est connecté pour la dernière fois le %1. Pour rétablir la connexion, vérifiez les paramètres réseau ou réinstallez Aerum Identity LDAP Sync sur le serveur.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Syncing failed because user, group, or license limits may have been reached. To resolve this issue, remove unused resources in Aerum Identity or your LDAP server, or upgrade your plan to increase the quotas.</source>
        <translation>La synchronisation a échoué, car les limites d&apos;utilisateurs, de groupes ou de licences ont peut-être été atteintes. Pour résoudre ce problème, supprimez les ressources inutilisées dans Aerum Identity ou sur votre serveur LDAP, ou passez à une offre supérieure pour augmenter les quotas.</translation>
    </message>
    <message>
        <source>Your Aerum Identity is in restricted mode. To resume the connection, adjust your quotas in the admin portal.</source>
        <translation>Votre Aerum Identity est en mode restreint. Pour reprendre la connexion, ajustez vos quotas dans le portail d&apos;administration.</translation>
    </message>
    <message>
        <source>Server display name</source>
        <translation>Nom d&apos;affichage du serveur</translation>
    </message>
    <message>
        <source>This server is connected, requiring your approval in the Aerum Identity admin portal.</source>
        <translation>Ce serveur est connecté et doit être approuvé par vous dans le portail d&apos;administration Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the connect key to get this server authorized by Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to integrate Active Directory with Aerum Identity.</source>
        <translation>Saisissez la clé de connexion pour faire autoriser ce serveur par Aerum Identity. Consultez &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;cet article&lt;/a&gt; pour savoir comment intégrer Active Directory à Aerum Identity.</translation>
    </message>
    <message>
        <source>Enter the following information to authorize your LDAP server with Aerum Identity. Refer to &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;this article&lt;/a&gt; to learn how to get a connect key.</source>
        <translation>Saisissez les informations suivantes pour autoriser votre serveur LDAP auprès d&apos;Aerum Identity. Consultez &lt;a style=&quot;color:#00A282; text-decoration:none; &quot; href=&quot;%1&quot;&gt;cet article&lt;/a&gt; pour savoir comment obtenir une clé de connexion.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoire</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
</TS>
