#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

// The library's look as its users set it up, from the build's resource
// folder: images, the component style sheets and the given captions, on a
// 96-DPI screen. Temporary images go to a private folder.
class LibraryLook
{
public:
    explicit LibraryLook(const QMap<QString, QString> &captions = {})
    {
        DPIinfo::getInstance().setDPI(1.0);
        DPIinfo::getInstance().setDPR(1.0);
        const QString resources = QStringLiteral(LODESTAR_TEST_RESOURCE_DIR);
        UIPathManager::getInstance().setPath("resource_path", resources);
        UIPathManager::getInstance().setPath("user_data_path", userData.path());
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        StyleManager::getInstance().initialize({resources + "/component.business.stylesheet"});
        ComponentStrings::getInstance().installStrings(captions);
    }

private:
    QTemporaryDir userData;
};

// Sets the DPI factor for one test function and restores 1.0 after it.
class DpiFactor
{
public:
    explicit DpiFactor(double factor) { DPIinfo::getInstance().setDPI(factor); }
    ~DpiFactor() { DPIinfo::getInstance().setDPI(1.0); }
    DpiFactor(const DpiFactor &) = delete;
    DpiFactor &operator=(const DpiFactor &) = delete;
};
