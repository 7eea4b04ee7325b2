#include "gallery-texts.h"

GalleryTexts galleryTexts(const QString &language)
{
    if (language == "de") {
        return {
            "orvakit gallery",
            "Verbindung zum Verzeichnis",
            "LDAP-Server",
            "Basis-DN",
            "Die Verbindung zum LDAP-Server konnte nicht hergestellt werden.",
            "Vergewissern Sie sich, dass eine Internetverbindung besteht und die LDAP-Angaben stimmen.",
            "Möchten Sie die Verbindung zurücksetzen? Alle Einstellungen dieses Servers werden gelöscht, "
            "und die Synchronisierung wird angehalten, bis der Server erneut verbunden wird.",
            "Mir ist bewusst, dass die Einstellungen endgültig gelöscht werden.",
            "Sollen die geänderten Einstellungen gespeichert werden?",
            "Die Einstellungen wurden gespeichert. Die nächste Synchronisierung beginnt in wenigen Minuten.",
            "Eine neue Version des Agenten ist verfügbar. Jetzt aktualisieren?",
            "Verbindung wird geprüft …",
            "Name des Servers, wie er im Verwaltungsportal erscheinen soll:",
            "zum Beispiel Hauptsitz-DC01",
            {{"ok", "OK"}, {"cancel", "Abbrechen"}, {"reset", "Zurücksetzen"},
             {"wizard_client_upgrade", "Jetzt aktualisieren"}},
        };
    }
    return {
        "orvakit gallery",
        "Directory connection",
        "LDAP server",
        "Base DN",
        "Unable to connect to the LDAP server.",
        "Make sure you have Internet access and the correct LDAP information.",
        "Do you want to reset the connection? All settings of this server are removed, and "
        "synchronisation stops until the server is connected again.",
        "I understand that the settings are removed for good.",
        "Do you want to save the changed settings?",
        "The settings have been saved. The next synchronisation starts in a few minutes.",
        "A new version of the agent is available. Upgrade now?",
        "Checking the connection...",
        "Name of this server as it should appear in the admin portal:",
        "for example Headquarters-DC01",
        {{"ok", "OK"}, {"cancel", "Cancel"}, {"reset", "Reset"}, {"wizard_client_upgrade", "Upgrade"}},
    };
}
