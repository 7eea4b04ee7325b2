#pragma once

#include "orvakit_export.h"

#include <QObject>

// Swallows mouse presses, releases and double clicks, so that clicks on the
// watched widget's own empty area do nothing.
class ORVAKIT_EXPORT MouseButtonFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Swallows mouse releases, so that a drop-down stays open when the mouse is
// released inside it.
class ORVAKIT_EXPORT MouseReleaseFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
