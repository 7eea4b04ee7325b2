#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>

// The sections of style-sheet text, as the style-sheet files are written:
// "== key ==" header lines open them (every "=" and space leaves the key),
// "//" comments and one-line "/* */" comments are dropped, and the tokens
// "TMPIMG_LOC" and "IMG_LOC" become the two image folders. Text before the
// first named section begins it, text after a header with an empty key runs
// on into the next section, and a key given twice keeps its last section.
// Any text is accepted.
ORVAKIT_EXPORT QMap<QString, QString> parseStyleSheetSections(QString text, const QString &imageFolder,
                                                              const QString &tempImageFolder);
