#include "widgets/orva-button-path.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "widgets/orva-menu.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalMapper>
#include <QToolButton>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

const int kBarHeight = 28;
const int kNameHeight = 26;
const int kArrowWidth = 6;
const int kNamePadding = 16;
const int kFolderButtonSize = 26;

// Button texts take "&" as a shortcut mark; a folder named "R&D" must not.
QString buttonText(const QString &segment)
{
    return QString(segment).replace("&", "&&");
}

QString segmentOf(const QString &buttonText)
{
    return QString(buttonText).replace("&&", "&");
}

bool isNameColumn(int column)
{
    return column % 2 == 0;
}

} // namespace

OrvaButtonPath::OrvaButtonPath(QWidget *parent)
    : QTableWidget(parent)
{
    setRowCount(1);
    horizontalHeader()->hide();
    // The style's minimum section would widen the 6-pixel arrow columns.
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->hide();
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(px(kBarHeight));
    setStyleSheet(getStyleSheet("component.button_path", false));

    changeFolderButton = new QToolButton(this);
    changeFolderButton->hide();
    auto *menu = new OrvaMenu(changeFolderButton);
    menu->setStyleSheet(getStyleSheet("component.menu", false));
    changeFolderButton->setMenu(menu);
    changeFolderButton->setIcon(getGlobalImage("folder", ImageManager::Normal));
    changeFolderButton->setIconSize(QSize(20, 20));
    changeFolderButton->setPopupMode(QToolButton::InstantPopup);
    changeFolderButton->setStyleSheet(getStyleSheet("component.button_path_change_folder_btn", false));
    changeFolderButton->setFixedSize(px(kFolderButtonSize), px(kFolderButtonSize));
    changeFolderButton->move(px(1), px(1));

    nameMapper = new QSignalMapper(this);
    menuMapper = new QSignalMapper(this);
    connect(nameMapper, &QSignalMapper::mappedInt, this, &OrvaButtonPath::slotPathBarClicked);
    connect(menuMapper, &QSignalMapper::mappedInt, this, &OrvaButtonPath::slotPathBarClicked);
}

void OrvaButtonPath::refresh(QString path)
{
    visibleWidth = horizontalScrollBar()->pageStep();
    changeFolderButton->hide();
    changeFolderButton->menu()->clear();

    qDeleteAll(cellButtons);
    cellButtons.clear();
    clear();
    setColumnCount(0);

    const QStringList segments = path.split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            auto *arrow = new QPushButton;
            arrow->setFlat(true);
            const QPixmap image = getGlobalImage("bt_next", ImageManager::Normal);
            arrow->setIcon(image);
            arrow->setIconSize(image.size() / image.devicePixelRatio());
            arrow->setStyleSheet(getStyleSheet("component.button_path_arrow", false));
            arrow->setFixedSize(px(kArrowWidth), px(kBarHeight));
            cellButtons.append(arrow);
            const int column = columnCount();
            insertColumn(column);
            setCellWidget(0, column, arrow);
        }

        auto *name = new QPushButton(buttonText(segments[i]));
        name->setFlat(true);
        name->setStyleSheet(getStyleSheet("component.button_path_name_button", false));
        // The style sheet sets the font the text is drawn in.
        name->ensurePolished();
        name->setFixedHeight(px(kNameHeight));
        // The sheet's font is already scaled for the screen; only the padding
        // is a design length.
        const int textWidth = name->fontMetrics().boundingRect(segments[i]).width();
        name->setFixedWidth(textWidth + px(kNamePadding));
        const int column = columnCount();
        nameMapper->setMapping(name, column);
        connect(name, &QPushButton::clicked, nameMapper, qOverload<>(&QSignalMapper::map));
        cellButtons.append(name);
        insertColumn(column);
        setCellWidget(0, column, name);
        setColumnWidth(column, name->width());
    }
    updateColumnSize();
}

QString OrvaButtonPath::getPath(int column) const
{
    QString path;
    for (int i = 0; i <= column && i < cellButtons.size(); ++i)
        path += isNameColumn(i) ? segmentOf(cellButtons[i]->text()) : QStringLiteral("/");
    return path;
}

void OrvaButtonPath::slotUpdatePath(QString path)
{
    refresh(path);
}

void OrvaButtonPath::slotPathBarClicked(int btn_id)
{
    emit sigUpdatePath(getPath(btn_id));
}

void OrvaButtonPath::updateColumnSize()
{
    int total = 0;
    for (int column = 0; column < columnCount(); ++column) {
        if (!isNameColumn(column))
            setColumnWidth(column, px(kArrowWidth));
        total += columnWidth(column);
    }
    if (total > visibleWidth)
        setChangeFolderBtn(total);
}

// Lists in the folder menu, from the top, every segment scrolled out wholly
// or partly on the left, and scrolls the deepest segments into view.
void OrvaButtonPath::setChangeFolderBtn(int total)
{
    changeFolderButton->show();
    QMenu *menu = changeFolderButton->menu();
    const int hidden = total - visibleWidth;
    int acc = 0;
    for (int column = 0; column < columnCount(); ++column) {
        const int width = columnWidth(column);
        if (!isNameColumn(column)) {
            acc += width;
            continue;
        }
        if (acc < hidden || acc + width > hidden) {
            QAction *action = menu->addAction(cellButtons[column]->text());
            menuMapper->setMapping(action, column);
            connect(action, &QAction::triggered, menuMapper, qOverload<>(&QSignalMapper::map));
        }
        if (acc + width > hidden)
            break;
        acc += width;
    }
    // The scroll range follows column widths only at the next layout pass.
    updateGeometries();
    horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
}
