#include "startup.h"

void selectSoftwareRenderingOnOldWindows() {}

void suppressCriticalErrorBoxes() {}
