#pragma once

#include <QString>

class OrvaLabel;

// What every gallery page draws alike.

// A design length at the screen's DPI factor.
int px(int designLength);
// The small grey heading over a group of widgets.
OrvaLabel *sectionTitle(const QString &text);
