#pragma once

#include <QString>

#include <cstdio>

// Everything the simulator reports goes to standard output, one line at a
// time and at once, so that a person or a test driving it sees it in order.
inline void say(const QString &line)
{
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}
