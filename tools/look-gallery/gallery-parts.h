#pragma once

#include <QString>

class QLabel;
class QWidget;

// Small helpers shared by the boards of the look gallery.

// A design length at the gallery's DPI factor.
int px(int designLength);

// Gives `widget` the sheet of `key`.
void applySheet(QWidget *widget, const char *key);

// The same, returning the widget, for building in one line.
template <typename W>
W *styled(W *widget, const char *key)
{
    applySheet(widget, key);
    return widget;
}

// A section title in the look of the agent's page titles.
QLabel *heading(const QString &text);

// A small grey caption under a sample.
QLabel *caption(const QString &text);
