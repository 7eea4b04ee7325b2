#pragma once

#include <QMap>
#include <QString>

// Sample texts for the sheets, in English or in German (a long language,
// to see that texts wrap and buttons still fit).
struct GalleryTexts
{
    QString windowTitle;
    QString heading;
    QString hostLabel;
    QString baseDnLabel;
    QString warning;
    QString warningDetail;
    QString confirm;
    QString confirmCheck;
    QString confirmReset;
    QString information;
    QString upgrading;
    QString processing;
    QString inputPrompt;
    QString inputPlaceholder;
    QMap<QString, QString> captions;
};

// "en" or "de"; any other language gets the English texts.
GalleryTexts galleryTexts(const QString &language);
