#pragma once

#include "orvakit_export.h"

#include <QPushButton>

// A flat push button of fixed size whose look is chosen once, by kind.
class ORVAKIT_EXPORT OrvaButton : public QPushButton
{
    Q_OBJECT
public:
    // The kinds a button can take; any other number leaves it without a
    // style sheet (Qt's own look), still flat and fixed-size.
    enum Kind : int {
        Apply = 0,
        Cancel = 1,
        SelectedPage = 2,
        UnselectedPage = 3,
        Default = 4,
        Red = 5,
    };

    OrvaButton(const QString &text, int kind);
};
