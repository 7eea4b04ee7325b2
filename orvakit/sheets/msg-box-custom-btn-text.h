#pragma once

#include <QString>

// Captions replacing the standard ones of a message sheet's buttons; an
// empty caption keeps the standard one.
struct MsgBoxCustomBtnText
{
    MsgBoxCustomBtnText() = default;
    MsgBoxCustomBtnText(const QString &accept, const QString &cancel)
        : acceptText(accept)
        , cancelText(cancel)
    {
    }

    QString acceptText; // Ok or Apply
    QString cancelText; // Discard
    QString resetText;  // Reset
};
