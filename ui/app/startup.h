#pragma once

// Start-up steps that main() runs before the event loop.

// Creates the log folder and registers "application_path", "resource_path",
// "log_path" and "user_data_path" in the path registry.
void setupPaths();

// Platform preparations. On systems other than Windows they do nothing.
void selectSoftwareRenderingOnOldWindows(); // before the application object exists
void suppressCriticalErrorBoxes();
