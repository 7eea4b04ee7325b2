#pragma once

class QWidget;

// The agent's window as its own code builds it, one picture per state: the
// pages with their warnings, the loading card, the warning sheet and the
// edit dialog, in the language and at the DPI factor set up beforehand.
QWidget *createAgentBoard();
