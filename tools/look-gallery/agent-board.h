#pragma once

class QWidget;

// Samples of the agent's own sheets: a status page, a form with a focused
// and a rejected field, the protocol choice, the page buttons, and the
// warning sheet laid over a dimmed window with its shadow frame.
QWidget *createAgentBoard();
