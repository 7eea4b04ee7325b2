#pragma once

#include "orvakit_export.h"

#include <QIcon>
#include <QToolButton>

// A tool button with one picture per state (normal, hover, pressed,
// disabled), switched by the button itself as the pointer and the enabled
// state change, so that every state can have its own drawing.
class ORVAKIT_EXPORT OrvaIconButton : public QToolButton
{
    Q_OBJECT
public:
    // The four states of `imageName` from the image registry; a name the
    // registry does not list gives null pictures and a 0 x 0 icon size.
    explicit OrvaIconButton(const QString &imageName);
    // `pixmap` in every state.
    explicit OrvaIconButton(const QPixmap &pixmap);

    void setAllIcon(const QString &imageName);
    void setDefaultIcon(const QPixmap &pixmap);
    // Each replaces one picture; the screen follows at the next state change.
    void setHoverIcon(const QPixmap &pixmap);
    void setPressIcon(const QPixmap &pixmap);
    void setDisableIcon(const QPixmap &pixmap);

    void applyHoverStyle();
    void applyNormalStyle();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initialize();
    void showIcon(const QIcon &icon);
    void showStateIcon();
    // The pixmap's size in device-independent pixels of this screen.
    static QSize logicalSize(const QPixmap &pixmap);

    QIcon normalIcon;
    QIcon pressIcon;
    QIcon hoverIcon;
    QIcon disableIcon;
    QSize pictureSize;
};
