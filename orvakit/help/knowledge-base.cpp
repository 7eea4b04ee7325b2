#include "help/knowledge-base.h"

#include "services/debug-message.h"

const char defaultKnowledgeBaseAddress[] = "https://support.velmora.com/cgi/knowledgebase/";
const char builtInOfflineHelpFolder[] = ":/orvakit/help";

namespace {

QUrl &programAddress()
{
    static QUrl address;
    return address;
}

bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

} // namespace

QUrl knowledgeBaseAddress()
{
    if (!programAddress().isEmpty())
        return programAddress();
    const QString fromEnvironment = qEnvironmentVariable("ORVAKIT_KNOWLEDGE_BASE");
    if (!fromEnvironment.isEmpty()) {
        const QUrl mirror(fromEnvironment);
        if (isWebAddress(mirror))
            return mirror;
        qCWarning(debugMessage) << "ORVAKIT_KNOWLEDGE_BASE is not an http or https address, ignored:"
                                << fromEnvironment;
    }
    return QUrl(defaultKnowledgeBaseAddress);
}

void setKnowledgeBaseAddress(const QUrl &address)
{
    programAddress() = address;
}
