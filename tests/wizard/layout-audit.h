#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Looks at what a window shows and lists what a user could not read or reach:
// a visible label, button or check box whose text does not fit its
// rectangle (measured by the widget with its own font), a visible widget
// that reaches outside its parent, and two visible controls that overlap.
// The floating field warnings may lie over field boxes and captions, never
// over a button.
//
// `root` is the window, or the mask laid over it: a mask covers the window on
// purpose, so only what it holds is looked at then.
QStringList auditLayout(QWidget *root);
