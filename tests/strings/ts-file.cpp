#include "ts-file.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

TsMessage readMessage(QXmlStreamReader &xml, const QString &context)
{
    TsMessage message;
    message.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.translationType = xml.attributes().value("type").toString();
            message.translation = xml.readElementText();
        } else {
            message.hasComment |= xml.name() == QLatin1String("comment");
            xml.skipCurrentElement();
        }
    }
    return message;
}

} // namespace

TsFile readTsFile(const QString &path)
{
    TsFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.error = input.errorString();
        return file;
    }
    QXmlStreamReader xml(&input);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        file.error = QStringLiteral("no <TS> root element");
        return file;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                file.messages << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        file.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return file;
}

QString translationSource(const QString &code)
{
    return QStringLiteral(TRANSLATION_SOURCE_DIR "/%1.ts").arg(code);
}
