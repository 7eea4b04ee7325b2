#include "channel-test-support.h"

#include "file-logger.h"

#include <QFile>

namespace ChannelTest {

LogCapture::LogCapture() : path(dir.filePath("ui.txt"))
{
    logInitAgentFile(path.toStdString());
}

QByteArray LogCapture::text() const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int LogCapture::count(const QByteArray &needle) const
{
    return text().count(needle);
}

} // namespace ChannelTest
