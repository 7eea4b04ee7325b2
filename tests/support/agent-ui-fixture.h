#pragma once

#include <QTemporaryDir>
#include <QTranslator>
#include <QtGlobal>

#include <memory>

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"
#include "ui-environment.h"
#include "ui-strings.h"

// The agent's look as start-up prepares it, from the build's resource folder:
// images, style sheets, language, interface strings and captions. Data (log
// and domain file) goes to a private temporary folder. Sizes are those of a
// 96-DPI screen, whatever the platform reports.
class AgentUiFixture
{
public:
    AgentUiFixture()
    {
        DPIinfo::getInstance().setDPI(1.0);
        DPIinfo::getInstance().setDPR(1.0);
        qputenv("LODESTAR_DATA_DIR", dataDir.path().toUtf8());
        UIPathManager &paths = UIPathManager::getInstance();
        paths.setPath("resource_path", QStringLiteral(LODESTAR_TEST_RESOURCE_DIR));
        paths.setPath("user_data_path", dataDir.path());
        translator = prepareUiEnvironment();
        completeUiEnvironment();
    }

    QString dataPath(const QString &name) const { return dataDir.filePath(name); }

private:
    QTemporaryDir dataDir;
    std::unique_ptr<QTranslator> translator;
};
