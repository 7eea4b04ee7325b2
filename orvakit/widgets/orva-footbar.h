#pragma once

#include "orvakit_export.h"

#include <QList>
#include <QWidget>

class QHBoxLayout;

// The button row at the bottom of a dialog: widgets pushed to the left and
// to the right of a stretch, laid out once by init().
class ORVAKIT_EXPORT OrvaFootbar : public QWidget
{
    Q_OBJECT
public:
    explicit OrvaFootbar(QWidget *parent = nullptr);

    // Both only collect; init() lays them out in push order.
    void pushLeftWidget(QWidget *widget);
    void pushRightWidget(QWidget *widget);
    // Call once, after every push.
    void init();

    // Design sizes, scaled for the screen; after init(), which sets its own.
    void setMargins(int left, int top, int right, int bottom);
    void setSpacing(int spacing);

private:
    // Not "layout", which would hide QWidget::layout() from callers.
    QHBoxLayout *rowLayout;
    QList<QWidget *> leftWidgets;
    QList<QWidget *> rightWidgets;
};
