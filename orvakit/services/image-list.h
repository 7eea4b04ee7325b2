#pragma once

#include "orvakit_export.h"

#include <QByteArray>
#include <QStringList>

// The names in the image list file, images.json: a JSON object whose array
// "images" names the images the registry hands out, and whose array
// "tmp_images" names those it writes scaled copies of, each with its spaces
// removed. Both are optional; text that is not a JSON object lists nothing,
// and an element that is not a string is an empty name.
struct ImageList
{
    QStringList images;
    QStringList tempImages;
};

ORVAKIT_EXPORT ImageList readImageList(const QByteArray &json);
