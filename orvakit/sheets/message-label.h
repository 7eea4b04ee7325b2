#pragma once

#include "orvakit_export.h"

#include <QLabel>

// A label that is always exactly as tall as its wrapped text at its current
// width, so that a sheet grows with its text.
class ORVAKIT_EXPORT MessageLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
