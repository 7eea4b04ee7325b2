#pragma once

#include "orvakit_export.h"

#include <QFrame>

class QPainter;

// Base of the library's in-window dialogs. A sheet is a child widget laid
// over its host window on a mask; it paints a soft shadow in a band around
// its edges and a white body inside, and keeps its content inside the band.
class ORVAKIT_EXPORT OrvaSheet : public QFrame
{
    Q_OBJECT
public:
    explicit OrvaSheet(QWidget *parent = nullptr);

    // Makes `widget` the one content of the body, centred; an earlier
    // layout goes, the widgets it held stay children of the sheet.
    void setWidget(QWidget *widget);

    // Appears without waiting; the end is reported by finished().
    virtual void showSheet() = 0;

signals:
    void finished(int ret);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Both concrete sheets take their width from their host: `designWidth`
    // turns the parent's width in design pixels into the sheet's. Without
    // a parent the width is left as it is and a warning is written.
    void fitWidthToParent(int (*designWidth)(double parentDesignWidth));

private:
    void drawShadow(QPainter &painter);

    const int shadowWidth;
};
