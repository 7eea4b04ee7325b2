#include "sheets/window-close-item.h"

#include <QWidget>

#include <windows.h>

void enableWindowCloseItem(QWidget *window, bool enable)
{
    // internalWinId() does not create a native window that does not exist yet.
    if (!window || !window->internalWinId())
        return;
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->internalWinId()), FALSE);
    if (!menu)
        return;
    EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (enable ? MF_ENABLED : (MF_GRAYED | MF_DISABLED)));
}
