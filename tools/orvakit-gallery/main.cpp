// A window for looking at the library's sheets: each kind of message sheet
// and the input sheet, opened from the window's buttons; or one of the
// gallery's pages of widgets.
//
//   orvakit-gallery [--resources DIR] [--lang en|de] [--movie FILE]
//                   [--show KIND [--screenshot FILE]]
//                   [--page NAME [--render FILE]] [--list-pages]
//
// --show opens one sheet at start; with --screenshot the window is then
// captured from the display into FILE and the program ends. --page shows a
// page of widgets instead; with --render it is drawn into FILE (offscreen
// works) and the program ends. The DPI factor is the screen's: run with
// QT_FONT_DPI=144 for a factor of 1.5.
#include "gallery-pages.h"
#include "gallery-texts.h"
#include "gallery-window.h"

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
#include <memory>

namespace {

void setUpLibrary(const QString &resources, const QString &userData, const GalleryTexts &texts,
                  const QString &language)
{
    UIPathManager::getInstance().setPath("resource_path", resources);
    UIPathManager::getInstance().setPath("user_data_path", userData);
    ImageManager::getInstance().initialize(ImageManager::Eager);
    StyleManager::getInstance().initialize(
        {resources + "/agent.stylesheet", resources + "/component.business.stylesheet"});
    QMap<QString, QString> captions = texts.captions;
    for (const GalleryPage &page : galleryPages())
        captions.insert(page.captions(language));
    ComponentStrings::getInstance().installStrings(captions);
}

const GalleryPage *findPage(const QString &name)
{
    static const QList<GalleryPage> pages = galleryPages();
    for (const GalleryPage &page : pages)
        if (page.name == name)
            return &page;
    return nullptr;
}

QStringList pageNames()
{
    QStringList names;
    for (const GalleryPage &page : galleryPages())
        names << page.name;
    return names;
}

// Draws the page as it stands once its layouts have settled.
bool render(QWidget &page, const QString &file)
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        // A still picture shows no keyboard focus; activation hands it out.
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
    }
    if (!page.grab().save(file)) {
        std::fprintf(stderr, "cannot write the picture %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
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
        {"screenshot", "Capture the window with the sheet into this file and end.", "file"},
        {"page", "Page of widgets to show: " + pageNames().join(", ") + ".", "name"},
        {"render", "Draw the page into this file and end.", "file"},
        {"list-pages", "Print the names of the pages and end."},
    });
    parser.process(app);
    if (parser.isSet("list-pages")) {
        std::printf("%s\n", qPrintable(pageNames().join('\n')));
        return 0;
    }

    const QString kind = parser.value("show");
    const QString shotFile = parser.value("screenshot");
    if (!kind.isEmpty() && !GalleryWindow::kinds().contains(kind)) {
        std::fprintf(stderr, "unknown sheet kind %s\n", qPrintable(kind));
        return 2;
    }
    if (!shotFile.isEmpty() && kind.isEmpty()) {
        std::fprintf(stderr, "--screenshot needs --show\n");
        return 2;
    }

    const QString pageName = parser.value("page");
    const QString renderFile = parser.value("render");
    if (!pageName.isEmpty() && !findPage(pageName)) {
        std::fprintf(stderr, "unknown page %s\n", qPrintable(pageName));
        return 2;
    }
    if (!renderFile.isEmpty() && pageName.isEmpty()) {
        std::fprintf(stderr, "--render needs --page\n");
        return 2;
    }

    const QString language = parser.value("lang");
    const GalleryTexts texts = galleryTexts(language);
    QTemporaryDir userData;
    setUpLibrary(QDir(parser.value("resources")).absolutePath(), userData.path(), texts, language);

    if (!pageName.isEmpty()) {
        std::unique_ptr<QWidget> page(findPage(pageName)->create(language));
        page->setWindowTitle(texts.windowTitle);
        page->show();
        if (!renderFile.isEmpty())
            return render(*page, renderFile) ? 0 : 1;
        return app.exec();
    }

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
