#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The help window the two ways it shows a topic: "online", from a knowledge
// base this program serves on 127.0.0.1, with the page's pictures
// downloaded; and "offline", with no knowledge base answering, from the
// library's own offline help.
QStringList helpWindowModes();

// Shows the help window in `mode` with the topic in "en" or "de" and runs
// until it is closed. With a `shotFile` the window is captured by `capture`
// once its page and pictures are in, and the program ends. Returns the exit
// code.
int runHelpWindow(const QString &mode, const QString &language, const QString &shotFile,
                  const std::function<bool(QWidget &, const QString &)> &capture);
