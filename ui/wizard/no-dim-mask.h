#pragma once

#include <QColor>
#include <QFrame>

class NoDimMaskPrivate;

// A cover over a window that hosts one widget centred on it, shown and hidden
// with that widget and kept at the window's size. With a transparent colour
// the window looks unchanged but cannot be clicked while the widget is up;
// the agent lays its message sheets over the edit dialog this way. The mask
// goes with its content, so one sheet after another leaves nothing behind.
class NoDimMask : public QFrame
{
    Q_OBJECT
public:
    // Lays a mask over `parent` (or, when null, over `content`'s parent
    // widget) hosting `content`, and returns `content`. Returns null and
    // creates nothing when there is no content or no parent.
    static QWidget *createMask(QWidget *content, QWidget *parent, QColor color);
    ~NoDimMask() override;

    // Takes the size of the top-level window again.
    void fitToWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    NoDimMask(QWidget *content, QWidget *parent, const QColor &color);

    NoDimMaskPrivate *d;
};

// Keeps a mask at its window's size whenever the covered widget is resized.
class ParentResizeFilter : public QObject
{
    Q_OBJECT
public:
    ParentResizeFilter(NoDimMask *mask, QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    NoDimMask *mask;
    QWidget *parent;
};
