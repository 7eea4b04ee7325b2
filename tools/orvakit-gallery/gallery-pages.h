#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

class QWidget;

// A page of the gallery: the library's widgets of one kind, filled with
// realistic content in English or German ("en" or "de"). Each page lives in
// its own file pair and is listed once in gallery-pages.cpp.
struct GalleryPage
{
    QString name;
    // The library captions the page's widgets ask for, in the language.
    std::function<QMap<QString, QString>(const QString &language)> captions;
    std::function<QWidget *(const QString &language)> create;
};

QList<GalleryPage> galleryPages();
