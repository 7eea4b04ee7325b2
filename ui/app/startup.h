#pragma once

// Start-up steps that main() runs before the event loop.

// The application-wide style sheet: labels without a colour of their own
// take the agent's text grey.
inline const char *const kApplicationStyleSheet = "QLabel { color: #505A64; }";

// Creates the log folder and registers "application_path", "resource_path",
// "log_path" and "user_data_path" in the path registry.
void setupPaths();

// Platform preparations. On systems other than Windows they do nothing.
void selectSoftwareRenderingOnOldWindows(); // before the application object exists
void suppressCriticalErrorBoxes();
