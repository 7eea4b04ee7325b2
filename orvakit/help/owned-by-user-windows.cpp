#include "help/owned-by-user.h"

#include <QFileInfo>

bool ownedByCurrentUser(const QFileInfo &)
{
    return true;
}
