#pragma once

#include "orvakit_export.h"

#include <QProxyStyle>

// The application's style, except that dialog buttons are always ordered as
// on Windows: Reset at the left, then the stretch, Discard, Apply (or Ok).
class ORVAKIT_EXPORT DialogButtonBoxStyle : public QProxyStyle
{
    Q_OBJECT
public:
    DialogButtonBoxStyle() = default;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
