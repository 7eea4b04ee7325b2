#include "startup.h"

#include <QByteArray>
#include <QOperatingSystemVersion>

#include <windows.h>

void selectSoftwareRenderingOnOldWindows()
{
    // Vista to 8.1 share major version 6; their OpenGL drivers are unreliable.
    if (QOperatingSystemVersion::current().majorVersion() == QOperatingSystemVersion::Windows7.majorVersion())
        qputenv("QT_ANGLE_PLATFORM", "warp");
}

void suppressCriticalErrorBoxes()
{
    SetErrorMode(SEM_FAILCRITICALERRORS);
}
