#pragma once

class QFileInfo;

// Whether the file belongs to the user running this process. Windows keeps
// the per-user folders private by their access lists, so there it is true.
bool ownedByCurrentUser(const QFileInfo &file);
