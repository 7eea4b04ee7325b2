#include "help/owned-by-user.h"

#include <QFileInfo>

#include <unistd.h>

bool ownedByCurrentUser(const QFileInfo &file)
{
    return file.ownerId() == ::geteuid();
}
