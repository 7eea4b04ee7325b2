// lodestar-ctl: the agent's set-up and status from the command line, for
// servers that are set up by script. It speaks English whatever the system
// language, since scripts read what it prints.
#include "ctl-commands.h"
#include "ctl-output.h"
#include "exit-codes.h"
#include "file-logger.h"
#include "platform-paths.h"
#include "ui-strings.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lodestar-ctl"));

    // Beside the agent's own log; where the folder cannot be made, nothing is logged.
    const QString logFolder = PlatformPaths::logFolder();
    QDir().mkpath(logFolder);
    logInitAgentFile(QDir(logFolder).filePath(QStringLiteral("ctl.txt")).toStdString());

    // No translator is installed: every interface string stays English.
    installUiStrings();

    CtlOptions options;
    QString error;
    if (!parseCtlOptions(QCoreApplication::arguments().mid(1), &options, &error)) {
        CtlOutput::error(error);
        return ExitCode::Usage;
    }
    const int code = runCtlCommand(options);
    LOG_INFO("%s: exit %d", ctlCommandName(options.command), code);
    return code;
}
