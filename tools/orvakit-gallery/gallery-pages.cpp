#include "gallery-pages.h"

#include "data-widgets-page.h"
#include "everyday-controls-page.h"

QList<GalleryPage> galleryPages()
{
    return {
        {"everyday-controls", everydayControlsCaptions, createEverydayControlsPage},
        {"data-widgets", dataWidgetsCaptions, createDataWidgetsPage},
    };
}
