#include "services/image-list.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

ImageList readImageList(const QByteArray &json)
{
    const QJsonObject list = QJsonDocument::fromJson(json).object();
    ImageList names;
    for (const QJsonValue &name : list.value(QLatin1String("images")).toArray())
        names.images << name.toString();
    for (const QJsonValue &name : list.value(QLatin1String("tmp_images")).toArray())
        names.tempImages << name.toString().remove(QLatin1Char(' '));
    return names;
}
