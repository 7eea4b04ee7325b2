#pragma once

#include "channel-harness.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// What the channel tests share beyond the channel harness: the process's log
// in a fresh file, read back.
namespace ChannelTest {

class LogCapture
{
public:
    LogCapture();
    QByteArray text() const;
    int count(const QByteArray &needle) const;

private:
    QTemporaryDir dir;
    QString path;
};

} // namespace ChannelTest
