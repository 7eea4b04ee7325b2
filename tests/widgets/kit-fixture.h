#pragma once

#include <QtTest>

#include <QTemporaryDir>

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

// The library as an application sets it up, with the product's own images
// and style sheets, at a 96-DPI screen without pixel ratio. Captions are the
// ones a console would install in English.
class KitFixture
{
public:
    KitFixture()
    {
        DPIinfo::getInstance().setDPI(1.0);
        DPIinfo::getInstance().setDPR(1.0);
        const QString resources = QStringLiteral(LODESTAR_TEST_RESOURCE_DIR);
        UIPathManager::getInstance().setPath("resource_path", resources);
        UIPathManager::getInstance().setPath("user_data_path", userData.path());
        ImageManager::getInstance().initialize(ImageManager::Eager);
        StyleManager::getInstance().initialize({resources + "/agent.stylesheet",
                                                resources + "/component.business.stylesheet"});
        ComponentStrings::getInstance().installStrings({
            {"first_page", "First page"},
            {"prev_5_pages", "Back five pages"},
            {"next_5_pages", "Forward five pages"},
            {"last_page", "Last page"},
            {"pagebar_refresh", "Refresh"},
        });
    }

private:
    QTemporaryDir userData;
};

// Pictures compare by their pixels: an icon made from a pixmap hands the
// same pixels back at the pixmap's own size.
inline QImage shownPicture(const QIcon &icon, const QSize &size)
{
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

inline QImage registryPicture(const char *name, ImageManager::ImageType state)
{
    return getGlobalImage(name, state).toImage().convertToFormat(QImage::Format_ARGB32);
}
