#include "image-board.h"

#include "gallery-parts.h"

#include "services/image-manager.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

const char *const kStateSuffixes[] = {"", "_hover", "_click", "_disable"};
const char *const kStateCaptions[] = {"normal", "hover", "click", "disable"};
const int kColumns = 6;

QPixmap chequer()
{
    const int square = px(6);
    QPixmap tile(2 * square, 2 * square);
    tile.fill(QColor("#EEF1F4"));
    QPainter painter(&tile);
    painter.fillRect(0, 0, square, square, QColor("#DDE3E8"));
    painter.fillRect(square, square, square, square, QColor("#DDE3E8"));
    return tile;
}

bool hasStateFile(const QString &name, int state)
{
    const QString folder = ImageManager::getInstance().getImageFolder();
    return QFileInfo::exists(folder + '/' + name + kStateSuffixes[state] + ".png");
}

QWidget *stateTile(const QString &name, int state, bool withCaption)
{
    const QPixmap pixmap = getGlobalImage(name, ImageManager::ImageType(state));
    const QSize logical = pixmap.size() / pixmap.devicePixelRatio();
    auto *tile = new QLabel;
    tile->setPixmap(pixmap);
    tile->setAlignment(Qt::AlignCenter);
    tile->setFixedSize(qMax(logical.width() + px(8), px(28)), qMax(logical.height() + px(8), px(28)));
    QPalette palette = tile->palette();
    palette.setBrush(QPalette::Window, chequer());
    tile->setPalette(palette);
    tile->setAutoFillBackground(true);

    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(2));
    layout->addWidget(tile, 0, Qt::AlignHCenter);
    if (withCaption)
        layout->addWidget(caption(kStateCaptions[state]), 0, Qt::AlignHCenter);
    return column;
}

QWidget *imageCell(const QString &name)
{
    QList<int> states;
    for (int state = ImageManager::Normal; state <= ImageManager::Disable; ++state)
        if (hasStateFile(name, state))
            states << state;

    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(4));
    auto *tiles = new QHBoxLayout;
    tiles->setSpacing(px(4));
    for (int state : states)
        tiles->addWidget(stateTile(name, state, states.size() > 1), 0, Qt::AlignTop);
    tiles->addStretch(1);
    layout->addLayout(tiles);
    layout->addWidget(styled(new QLabel(name), "component.label"));
    return cell;
}

} // namespace

QWidget *createImageBoard(const QStringList &names)
{
    auto *board = new QWidget;
    auto *grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(px(24));
    grid->setVerticalSpacing(px(16));
    for (int i = 0; i < names.size(); ++i)
        grid->addWidget(imageCell(names[i]), i / kColumns, i % kColumns, Qt::AlignLeft | Qt::AlignTop);
    return board;
}
