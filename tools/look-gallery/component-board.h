#pragma once

class QWidget;

// Qt widgets wearing the library's "component." sheets, in their states:
// buttons, fields, choices, a paging bar, a filter bar and a table.
QWidget *createComponentBoard();
