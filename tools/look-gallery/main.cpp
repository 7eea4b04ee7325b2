// Renders the product's look into one picture: every image of images.json
// beside its name, and widgets wearing the style sheets, at a chosen DPI
// factor. Usage: look-gallery <resource folder> <DPI factor> <output.png>
#include "agent-board.h"
#include "component-board.h"
#include "gallery-parts.h"
#include "image-board.h"

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

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
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool factorOk = false;
    const double factor = args.value(2).toDouble(&factorOk);
    if (args.size() != 4 || !factorOk || factor <= 0) {
        std::fprintf(stderr, "usage: look-gallery <resource folder> <DPI factor> <output.png>\n");
        return 2;
    }
    const QString resources = args[1];
    QTemporaryDir userData;
    UIPathManager::getInstance().setPath("resource_path", resources);
    UIPathManager::getInstance().setPath("user_data_path", userData.path());
    // Before the images load: they are scaled once, with the factor of the moment.
    DPIinfo::getInstance().setDPI(factor);
    DPIinfo::getInstance().setDPR(1.0);
    ImageManager::getInstance().initialize(ImageManager::Eager);
    StyleManager::getInstance().initialize({resources + "/agent.stylesheet", resources + "/component.business.stylesheet"});
    ComponentStrings::getInstance().installStrings({{"ok", "OK"}, {"cancel", "Cancel"}, {"reset", "Reset"}});
    app.setFont(QFont("Arial", 9));

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
    layout->addWidget(heading(QString("Images at DPI factor %1").arg(factor, 0, 'f', 2)), 0, 0, 1, 2);
    layout->addWidget(createImageBoard(listedImages(resources)), 1, 0, 1, 2);
    layout->addWidget(createComponentBoard(), 2, 0, Qt::AlignTop);
    layout->addWidget(createAgentBoard(), 2, 1, Qt::AlignTop);

    gallery.show();
    QApplication::setActiveWindow(&gallery);
    if (auto *focused = gallery.findChild<QLineEdit *>("focused"))
        focused->setFocus();
    QApplication::processEvents();
    if (!gallery.grab().save(args[3])) {
        std::fprintf(stderr, "look-gallery: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
