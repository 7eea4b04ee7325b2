// A window for looking at the library's sheets: each kind of message sheet
// and the input sheet, opened from the window's buttons.
//
//   orvakit-gallery [--resources DIR] [--lang en|de] [--movie FILE]
//                   [--show KIND | --help-window online|offline] [--screenshot FILE]
//
// --show opens one sheet at start; with --screenshot the window is then
// captured from the display into FILE and the program ends. --help-window
// shows the help window instead (see help-gallery.h). The DPI factor
// is the screen's: run with QT_FONT_DPI=144 for a factor of 1.5.
#include "gallery-texts.h"
#include "gallery-window.h"
#include "help-gallery.h"

#include "services/component-strings.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

void setUpLibrary(const QString &resources, const QString &userData, const GalleryTexts &texts)
{
    UIPathManager::getInstance().setPath("resource_path", resources);
    UIPathManager::getInstance().setPath("user_data_path", userData);
    ImageManager::getInstance().initialize(ImageManager::Eager);
    StyleManager::getInstance().initialize(
        {resources + "/agent.stylesheet", resources + "/component.business.stylesheet"});
    ComponentStrings::getInstance().installStrings(texts.captions);
}

// Captures the window as the display shows it, once it is on screen and its
// layouts have settled.
bool capture(QWidget &window, const QString &file)
{
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    window.repaint();
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "cannot write the screenshot %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Shows the orvakit sheets over a window.");
    parser.addHelpOption();
    parser.addOptions({
        {"resources", "Resource folder (default: beside the program).", "dir",
         QCoreApplication::applicationDirPath() + "/../resource"},
        {"lang", "Sample texts: en or de.", "language", "en"},
        {"movie", "Animation file of the processing sheet.", "file"},
        {"show", "Sheet to open at start: " + GalleryWindow::kinds().join(", ") + ".", "kind"},
        {"help-window", "Show the help window: " + helpWindowModes().join(" or ") + ".", "mode"},
        {"screenshot", "Capture the window with the sheet into this file and end.", "file"},
    });
    parser.process(app);

    const QString kind = parser.value("show");
    const QString shotFile = parser.value("screenshot");
    if (!kind.isEmpty() && !GalleryWindow::kinds().contains(kind)) {
        std::fprintf(stderr, "unknown sheet kind %s\n", qPrintable(kind));
        return 2;
    }
    const QString helpMode = parser.value("help-window");
    if (!helpMode.isEmpty() && !helpWindowModes().contains(helpMode)) {
        std::fprintf(stderr, "unknown help window mode %s\n", qPrintable(helpMode));
        return 2;
    }
    if (!shotFile.isEmpty() && kind.isEmpty() && helpMode.isEmpty()) {
        std::fprintf(stderr, "--screenshot needs --show or --help-window\n");
        return 2;
    }

    const GalleryTexts texts = galleryTexts(parser.value("lang"));
    QTemporaryDir userData;
    setUpLibrary(QDir(parser.value("resources")).absolutePath(), userData.path(), texts);
    if (!helpMode.isEmpty())
        return runHelpWindow(helpMode, parser.value("lang"), shotFile, capture);

    GalleryWindow window(texts, parser.value("movie"));
    window.show();

    int status = 0;
    if (!kind.isEmpty()) {
        QTimer::singleShot(0, &window, [&] {
            if (!shotFile.isEmpty()) {
                // Runs inside the sheet's own loop, once the sheet is up; exit()
                // then ends that loop and the application's.
                QTimer::singleShot(0, &window, [&] {
                    status = capture(window, shotFile) ? 0 : 1;
                    QCoreApplication::exit(status);
                });
            }
            window.openSheet(kind);
        });
    }
    const int ret = app.exec();
    return status ? status : ret;
}
