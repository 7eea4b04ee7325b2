#pragma once

#include "orvakit_export.h"

#include <QLabel>

// A label with the library's look. When it wraps words and may grow
// vertically (policy Minimum), it is always at least as tall as its text.
class ORVAKIT_EXPORT OrvaLabel : public QLabel
{
    Q_OBJECT
public:
    explicit OrvaLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    explicit OrvaLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

protected:
    void resizeEvent(QResizeEvent *event) override;
};
