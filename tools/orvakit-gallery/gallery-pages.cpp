#include "gallery-pages.h"

#include "everyday-controls-page.h"

QList<GalleryPage> galleryPages()
{
    return {
        {"everyday-controls", everydayControlsCaptions, createEverydayControlsPage},
    };
}
