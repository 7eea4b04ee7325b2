#pragma once

#include "orvakit_export.h"

#include <QColor>
#include <QFrame>

class OrvaMaskPrivate;

// A tinted cover over a window that holds one foreground widget centred on
// it. Being the topmost child, it takes the clicks aimed at the widgets
// underneath; it follows the window's size and is shown and hidden together
// with its foreground widget.
class ORVAKIT_EXPORT OrvaMask : public QFrame
{
    Q_OBJECT
public:
    // Lays a mask over `parent` (or, when null, over `widget`'s parent
    // widget) holding `widget`, and returns `widget`; the mask is then
    // `widget`'s parent. Returns null and creates nothing when there is no
    // widget or no parent to cover.
    static QWidget *createMask(QWidget *widget, QWidget *parent, QColor color);

    // The tint the library's sheets dim their window with.
    static QColor dimColor() { return QColor(0, 0, 0, 20); }

    ~OrvaMask() override;

    // Takes the size of the top-level window again.
    void resize();
    using QFrame::resize;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OrvaMask(QWidget *widget, QWidget *parent, const QColor &color);

    OrvaMaskPrivate *d;
};
