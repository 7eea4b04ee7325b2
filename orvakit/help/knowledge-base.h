#pragma once

#include "orvakit_export.h"

#include <QUrl>

// The maker's knowledge base, where help windows ask for their topics.
ORVAKIT_EXPORT extern const char defaultKnowledgeBaseAddress[];

// The offline help the library carries in its resources (English "enu" and
// German "ger"), usable as HelpContext::offlineFolder.
ORVAKIT_EXPORT extern const char builtInOfflineHelpFolder[];

// The address help windows use, in this order of precedence:
// 1. the address a program gave setKnowledgeBaseAddress();
// 2. the environment variable ORVAKIT_KNOWLEDGE_BASE, when it holds a valid
//    http or https address (a mirror inside a company network);
// 3. defaultKnowledgeBaseAddress.
ORVAKIT_EXPORT QUrl knowledgeBaseAddress();

// Points the help windows of this process at another knowledge base (a
// mirror, or a test server); an empty address restores the choice above.
ORVAKIT_EXPORT void setKnowledgeBaseAddress(const QUrl &address);
