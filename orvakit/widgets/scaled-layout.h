#pragma once

class QBoxLayout;

// Margins and spacing given as design sizes, put on a layout scaled for the screen.
void setScaledMargins(QBoxLayout *layout, int left, int top, int right, int bottom);
void setScaledSpacing(QBoxLayout *layout, int spacing);
