#include "widgets/orva-footbar.h"

#include "widgets/scaled-layout.h"

#include <QHBoxLayout>

OrvaFootbar::OrvaFootbar(QWidget *parent)
    : QWidget(parent)
    , rowLayout(new QHBoxLayout(this))
{
}

void OrvaFootbar::pushLeftWidget(QWidget *widget)
{
    leftWidgets.append(widget);
}

void OrvaFootbar::pushRightWidget(QWidget *widget)
{
    rightWidgets.append(widget);
}

void OrvaFootbar::init()
{
    setMargins(20, 8, 20, 8);
    setSpacing(10);
    rowLayout->setAlignment(Qt::AlignLeft);
    for (QWidget *widget : qAsConst(leftWidgets))
        rowLayout->addWidget(widget, 0, Qt::AlignVCenter);
    rowLayout->addStretch(1);
    for (QWidget *widget : qAsConst(rightWidgets))
        rowLayout->addWidget(widget, 0, Qt::AlignVCenter);
}

void OrvaFootbar::setMargins(int left, int top, int right, int bottom)
{
    setScaledMargins(rowLayout, left, top, right, bottom);
}

void OrvaFootbar::setSpacing(int spacing)
{
    setScaledSpacing(rowLayout, spacing);
}
