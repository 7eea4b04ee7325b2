#pragma once

class QWidget;

// Greys (false) or enables (true) the Close command of `window`'s system
// menu while a sheet runs over it. Only Windows has such a menu; elsewhere
// this does nothing and the sheets' refusal of Close events is what holds.
void enableWindowCloseItem(QWidget *window, bool enable);
