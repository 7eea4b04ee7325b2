#pragma once

class QWidget;

// The library's widgets in their states and, where it has none of its own
// (line edits, the date selector's sheet, the table), Qt widgets wearing its
// "component." sheets:
// buttons, fields, choices, a paging bar, a filter bar and a table.
QWidget *createComponentBoard();
