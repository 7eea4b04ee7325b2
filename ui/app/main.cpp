#include "client-manager.h"
#include "file-logger.h"
#include "single-instance-application.h"
#include "startup.h"
#include "ui-environment.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSurfaceFormat>
#include <QThread>

#include <memory>

#include "services/ui-path-manager.h"

namespace {
constexpr qint64 kSingleInstanceWaitMs = 5000;
}

int main(int argc, char **argv)
{
    QSurfaceFormat format;
    format.setAlphaBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);
    QCoreApplication::setAttribute(Qt::AA_UseOpenGLES);
    selectSoftwareRenderingOnOldWindows();

    SingleInstanceApplication app(argc, argv, true);
    QLoggingCategory::setFilterRules(QStringLiteral("debug.message=false"));
    setupPaths();
    suppressCriticalErrorBoxes();
    app.setStyleSheet(QString::fromLatin1(kApplicationStyleSheet));
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);

    const QString logFile = UIPathManager::getInstance().getPath("log_path") + "/ui.txt";
    logInitAgentFile(logFile.toStdString());

    const std::unique_ptr<QTranslator> translator = prepareUiEnvironment();

    // Wait for an instance that is still ending; give up if it stays.
    QElapsedTimer waited;
    waited.start();
    while (app.isRunning()) {
        if (waited.elapsed() >= kSingleInstanceWaitMs) {
            QThread::msleep(100);
            return 0;
        }
    }

    completeUiEnvironment();

    // Destroyed after the event loop and before the translator: its
    // destructor ends both worker threads.
    const auto clientManager = std::make_unique<ClientManager>();
    clientManager->start();
    return app.exec();
}
