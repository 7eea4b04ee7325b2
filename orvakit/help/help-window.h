#pragma once

#include "help/browser-window.h"
#include "help/help-context.h"
#include "orvakit_export.h"

// Shows a topic of the maker's knowledge base (see knowledge-base.h for its
// address), and the offline copy of the topic when the base cannot be
// reached in time. The caller shows the window.
class ORVAKIT_EXPORT HelpWindow : public BrowserWindow
{
    Q_OBJECT
public:
    // Starts loading at once.
    explicit HelpWindow(const HelpContext &context, QWidget *parent = nullptr);

    // The knowledge-base address asked for `context`, its language mapped.
    static QUrl helpUrl(const HelpContext &context);

private:
    void fallbackOffline() override;
    void retrieveHelpContent();

    QString lang;
    QString offlineFolder;
    QString link;
    QString section;
    QString version;
    // The language folder the offline copy is read from.
    QString offlinePath;
};

// The language whose help is asked for and read offline: the knowledge base
// knows German, Spanish and French under other codes, and has no help of its
// own for some languages, which read English.
ORVAKIT_EXPORT QString helpLanguage(const QString &lang);
