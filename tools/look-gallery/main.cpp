// Renders the product's look into one picture: every image of images.json
// beside its name, the library's widgets wearing their style sheets, and the
// agent's window in its states, at a chosen DPI factor and language.
// Usage: look-gallery <resource folder> <DPI factor> <output.png> [locale]
// The locale (for example "de_DE") stands in for the system's; English unless given.
#include "agent-board.h"
#include "component-board.h"
#include "gallery-parts.h"
#include "image-board.h"

#include "startup.h"
#include "ui-environment.h"

#include "services/dpi-info.h"
#include "services/ui-path-manager.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

QStringList listedImages(const QString &resources)
{
    QFile list(resources + "/images.json");
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QJsonValue &name : QJsonDocument::fromJson(list.readAll()).object().value("images").toArray())
        names << name.toString();
    return names;
}

} // namespace

int main(int argc, char *argv[])
{
    // The agent takes its language from the system's locale; read before the
    // application object exists. UTF-8 keeps file names intact.
    QByteArray locale = argc > 4 ? argv[4] : "en_US";
    if (!locale.contains('.'))
        locale += ".UTF-8";
    qputenv("LC_ALL", locale);

    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool factorOk = false;
    const double factor = args.value(2).toDouble(&factorOk);
    if (args.size() < 4 || args.size() > 5 || !factorOk || factor <= 0) {
        std::fprintf(stderr, "usage: look-gallery <resource folder> <DPI factor> <output.png> [locale]\n");
        return 2;
    }
    const QString resources = args[1];
    // Scaled images and the data root stay private to this run. The domain
    // file names the admin portal, as the service would write it.
    QTemporaryDir userData;
    qputenv("LODESTAR_DATA_DIR", userData.path().toUtf8());
    QFile domain(userData.filePath("domain"));
    if (domain.open(QIODevice::WriteOnly))
        domain.write("portal.example\n");
    domain.close();
    UIPathManager::getInstance().setPath("resource_path", resources);
    UIPathManager::getInstance().setPath("user_data_path", userData.path());
    // Before the images load: they are scaled once, with the factor of the moment.
    DPIinfo::getInstance().setDPI(factor);
    DPIinfo::getInstance().setDPR(1.0);
    app.setStyleSheet(QString::fromLatin1(kApplicationStyleSheet));
    const std::unique_ptr<QTranslator> translator = prepareUiEnvironment();
    completeUiEnvironment();
    // The offscreen screen has 96 DPI. On the agent's screen of 96 x factor
    // its font, given in points, grows with the factor too.
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    QApplication::setFont(font);

    QWidget gallery;
    QPalette palette = gallery.palette();
    palette.setColor(QPalette::Window, Qt::white);
    gallery.setPalette(palette);
    gallery.setAutoFillBackground(true);
    auto *layout = new QGridLayout(&gallery);
    // Natural size everywhere, even beyond the small offscreen screen.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(px(32), px(24), px(32), px(32));
    layout->setHorizontalSpacing(px(56));
    layout->setVerticalSpacing(px(24));
    layout->addWidget(heading(QString("Images at DPI factor %1").arg(factor, 0, 'f', 2)), 0, 0);
    layout->addWidget(createImageBoard(listedImages(resources)), 1, 0, Qt::AlignTop);
    layout->addWidget(createComponentBoard(), 0, 1, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(createAgentBoard(), 2, 0, 1, 2);
    layout->setRowStretch(1, 1);

    gallery.show();
    QApplication::processEvents();
    // Shown, the window is activated and focuses its first button; no
    // sample should wear the focus look by chance.
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    if (!gallery.grab().save(args[3])) {
        std::fprintf(stderr, "look-gallery: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
