#pragma once

#include "orvakit_export.h"

#include <QLabel>

// A label that reports every mouse press, whatever the button, before it
// handles the press itself (so text selection and links keep working).
class ORVAKIT_EXPORT ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text = QString(), QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
