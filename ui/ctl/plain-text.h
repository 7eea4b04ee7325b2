#pragma once

#include <QString>

// An interface string written for a rich-text label, as a terminal shows it:
// an address link keeps its address in brackets after its text, the edit
// dialog's in-window link keeps only its text, line-break tags go (the
// strings break their lines themselves) and trailing spaces are trimmed.
QString plainText(const QString &richText);
