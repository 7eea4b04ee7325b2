#include "widgets/orva-icon-button.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"

#include <QEvent>

OrvaIconButton::OrvaIconButton(const QString &imageName)
{
    setAllIcon(imageName);
    initialize();
}

OrvaIconButton::OrvaIconButton(const QPixmap &pixmap)
{
    setDefaultIcon(pixmap);
    initialize();
}

void OrvaIconButton::initialize()
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setStyleSheet(getStyleSheet("component.icon_button", false));
    setPopupMode(QToolButton::InstantPopup);
}

QSize OrvaIconButton::logicalSize(const QPixmap &pixmap)
{
    const double ratio = DPIinfo::getInstance().getDPR();
    return QSize(qRound(pixmap.width() / ratio), qRound(pixmap.height() / ratio));
}

void OrvaIconButton::setAllIcon(const QString &imageName)
{
    const QPixmap normal = getGlobalImage(imageName, ImageManager::Normal);
    normalIcon = QIcon(normal);
    hoverIcon = QIcon(getGlobalImage(imageName, ImageManager::Hover));
    pressIcon = QIcon(getGlobalImage(imageName, ImageManager::Click));
    disableIcon = QIcon(getGlobalImage(imageName, ImageManager::Disable));
    pictureSize = logicalSize(normal);
    showIcon(normalIcon);
}

void OrvaIconButton::setDefaultIcon(const QPixmap &pixmap)
{
    normalIcon = hoverIcon = pressIcon = disableIcon = QIcon(pixmap);
    pictureSize = logicalSize(pixmap);
    showIcon(normalIcon);
}

void OrvaIconButton::setHoverIcon(const QPixmap &pixmap)
{
    hoverIcon = QIcon(pixmap);
}

void OrvaIconButton::setPressIcon(const QPixmap &pixmap)
{
    pressIcon = QIcon(pixmap);
}

void OrvaIconButton::setDisableIcon(const QPixmap &pixmap)
{
    disableIcon = QIcon(pixmap);
}

void OrvaIconButton::applyHoverStyle()
{
    showIcon(hoverIcon);
}

void OrvaIconButton::applyNormalStyle()
{
    showIcon(normalIcon);
}

void OrvaIconButton::showIcon(const QIcon &icon)
{
    setIcon(icon);
    setIconSize(pictureSize);
}

void OrvaIconButton::showStateIcon()
{
    showIcon(isEnabled() ? normalIcon : disableIcon);
}

void OrvaIconButton::mousePressEvent(QMouseEvent *event)
{
    if (isEnabled())
        showIcon(pressIcon);
    QToolButton::mousePressEvent(event);
}

void OrvaIconButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Back to normal even while the pointer stays over the button.
    if (isEnabled())
        showIcon(normalIcon);
    QToolButton::mouseReleaseEvent(event);
}

void OrvaIconButton::enterEvent(QEvent *event)
{
    if (isEnabled())
        showIcon(hoverIcon);
    QToolButton::enterEvent(event);
}

void OrvaIconButton::leaveEvent(QEvent *event)
{
    // A button with the keyboard focus keeps showing that it is the one.
    if (isEnabled() && !hasFocus())
        showIcon(normalIcon);
    QToolButton::leaveEvent(event);
}

void OrvaIconButton::showEvent(QShowEvent *event)
{
    showStateIcon();
    QToolButton::showEvent(event);
}

void OrvaIconButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        showStateIcon();
    QToolButton::changeEvent(event);
}
