#pragma once

#include <QString>

// The folder downloaded help pictures are kept in: "velmora_help/image"
// under the user's own cache folder, never a shared one where another local
// user could plant links or pictures. Both levels are created owner-only.
// An existing level that is a link, or that belongs to someone else, is
// refused: the result is then empty and the reason logged.
QString helpPictureFolder();
