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

    // A new text needs a new height at the same width, and a sheet of fixed
    // width sends no resize. (QLabel::setText is not virtual: the sheet sets
    // its texts through this class.)
    void setText(const QString &text);

    // `text` as a screen reader should read it: rich text without its markup.
    static QString readableText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitHeight();
};
