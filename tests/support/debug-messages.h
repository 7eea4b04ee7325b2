#pragma once

#include <QStringList>
#include <QtGlobal>

#include <cstring>

// Collects the warnings the library writes to "debug.message" while alive,
// so tests can check both that a warning came and what it said.
class DebugMessages
{
public:
    DebugMessages() : m_previous(qInstallMessageHandler(collect)) { s_current = this; }
    ~DebugMessages()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    DebugMessages(const DebugMessages &) = delete;
    DebugMessages &operator=(const DebugMessages &) = delete;

    QStringList warnings;

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (s_current && type == QtWarningMsg && context.category && std::strcmp(context.category, "debug.message") == 0)
            s_current->warnings << text;
    }

    QtMessageHandler m_previous;
    static inline DebugMessages *s_current = nullptr;
};
