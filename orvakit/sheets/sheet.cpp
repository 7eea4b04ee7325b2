#include "sheets/sheet.h"

#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

const int kShadowDesignWidth = 22;

} // namespace

OrvaSheet::OrvaSheet(QWidget *parent)
    : QFrame(parent)
    , shadowWidth(DPIinfo::getInstance().scaled(kShadowDesignWidth))
{
    setContentsMargins(shadowWidth, shadowWidth, shadowWidth, shadowWidth);
}

void OrvaSheet::setWidget(QWidget *widget)
{
    delete layout();
    auto *box = new QHBoxLayout(this);
    box->addWidget(widget, 0, Qt::AlignCenter);
    updateGeometry();
    adjustSize();
}

void OrvaSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawShadow(painter);

    const int m = shadowWidth;
    const QRect body(m, m, width() - 2 * m, height() - 2 * m);
    if (body.isEmpty())
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(body);
}

void OrvaSheet::showEvent(QShowEvent *event)
{
    setContentsMargins(shadowWidth, shadowWidth, shadowWidth, shadowWidth);
    QFrame::showEvent(event);
}

void OrvaSheet::fitWidthToParent(int (*designWidth)(double parentDesignWidth))
{
    const QWidget *host = parentWidget();
    if (!host) {
        qCWarning(debugMessage) << metaObject()->className() << "has no parent widget to take its width from";
        return;
    }
    const DPIinfo &dpi = DPIinfo::getInstance();
    setFixedWidth(qMax(0, dpi.scaled(designWidth(host->width() / dpi.getDPI()))));
    updateGeometry();
    adjustSize();
}

void OrvaSheet::drawShadow(QPainter &painter)
{
    const int m = shadowWidth;
    const int w = width();
    const int h = height();
    // Corners keep their square; the edges stretch between them. The painter
    // stretches without smoothing, which is all a blurred shadow needs.
    const struct {
        const char *image;
        QRect target;
    } pieces[] = {
        {"bg_tutorial_lt", QRect(0, 0, m, m)},
        {"bg_tutorial_rt", QRect(w - m, 0, m, m)},
        {"bg_tutorial_lb", QRect(0, h - m, m, m)},
        {"bg_tutorial_rb", QRect(w - m, h - m, m, m)},
        {"bg_tutorial_l", QRect(0, m, m, h - 2 * m)},
        {"bg_tutorial_r", QRect(w - m, m, m, h - 2 * m)},
        {"bg_tutorial_t", QRect(m, 0, w - 2 * m, m)},
        {"bg_tutorial_b", QRect(m, h - m, w - 2 * m, m)},
    };
    for (const auto &piece : pieces) {
        if (piece.target.isEmpty())
            continue;
        painter.drawPixmap(piece.target, getGlobalImage(piece.image, ImageManager::Normal));
    }
}
