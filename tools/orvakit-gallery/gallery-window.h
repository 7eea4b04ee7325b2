#pragma once

#include "gallery-texts.h"

#include <QWidget>

// A plain form window with one button per kind of sheet; each button lays
// its sheet over the window the way the library's users do.
class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    GalleryWindow(const GalleryTexts &texts, const QString &movieFile);

    // The kinds openSheet() knows, in the order of the buttons.
    static QStringList kinds();

    // Opens the sheet of `kind` and waits until it ends; returns its result
    // code, or -1 for an unknown kind.
    int openSheet(const QString &kind);

private:
    int runOnMask(class OrvaMessageSheet *sheet);

    GalleryTexts texts;
    QString movieFile;
};
