#include "component-board.h"

#include "gallery-parts.h"

#include "services/image-manager.h"
#include "services/style-manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

enum class Look { Normal, Hover, Pressed, Disabled };

// Hover and pressed are what the pointer would do; the style reads them
// from these flags, so the still picture shows them.
template <typename W>
W *inLook(W *widget, Look look)
{
    widget->setAttribute(Qt::WA_Hover);
    if (look == Look::Hover)
        widget->setAttribute(Qt::WA_UnderMouse);
    if (look == Look::Disabled)
        widget->setEnabled(false);
    return widget;
}

QPushButton *button(const char *text, const char *key, Look look)
{
    auto *button = styled(inLook(new QPushButton(text), look), key);
    button->setFixedSize(px(100), px(32));
    if (look == Look::Pressed)
        button->setDown(true);
    return button;
}

QWidget *buttons()
{
    const struct { const char *key; const char *text; } kinds[] = {
        {"component.apply_button", "Apply"},   {"component.cancel_button", "Cancel"},
        {"component.default_button", "Default"}, {"component.red_button", "Delete"},
        {"component.reset_button", "Reset"},
    };
    const char *const looks[] = {"normal", "hover", "pressed", "disabled"};
    auto *board = new QWidget;
    auto *grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(px(8));
    for (int look = 0; look < 4; ++look)
        grid->addWidget(caption(looks[look]), 0, look, Qt::AlignHCenter);
    for (int row = 0; row < 5; ++row)
        for (int look = 0; look < 4; ++look)
            grid->addWidget(button(kinds[row].text, kinds[row].key, Look(look)), row + 1, look);
    return board;
}

QLineEdit *lineEdit(const QString &text, Look look, bool error = false)
{
    auto *edit = styled(inLook(new QLineEdit(text), look), "component.lineedit");
    edit->setPlaceholderText("Placeholder");
    edit->setFixedSize(px(150), px(28));
    edit->setProperty("error", error);
    return edit;
}

QComboBox *comboBox(const char *key, const QStringList &items, Look look)
{
    auto *box = inLook(new QComboBox, look);
    box->addItems(items);
    // The library's combo box fills in its padding and border the same way.
    const QString padding = QString("padding-left: %1px; \npadding-right: %1px;").arg(px(6));
    const QString sheet = getStyleSheet(key, false);
    box->setStyleSheet(sheet.contains("%1") ? sheet.arg(padding, "border: 1px solid #C8D2DC;") : sheet);
    box->setFixedSize(px(150), px(32));
    return box;
}

template <typename B>
B *choice(const char *text, const char *key, bool checked, Look look)
{
    auto *box = styled(inLook(new B(text), look), key);
    box->setChecked(checked);
    return box;
}

QWidget *fields()
{
    auto *board = new QWidget;
    auto *grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(px(8));
    grid->addWidget(lineEdit("", Look::Normal), 0, 0);
    grid->addWidget(lineEdit("Hovered", Look::Hover), 0, 1);
    grid->addWidget(lineEdit("Marked invalid", Look::Normal, true), 0, 2);
    grid->addWidget(lineEdit("Disabled", Look::Disabled), 0, 3);
    grid->addWidget(comboBox("component.combobox", {"Every day", "Every week"}, Look::Normal), 1, 0);
    grid->addWidget(comboBox("component.combobox", {"Hovered"}, Look::Hover), 1, 1);
    grid->addWidget(comboBox("component.date_selector", {"2026-12-10"}, Look::Normal), 1, 2);
    grid->addWidget(comboBox("component.combobox", {"Disabled"}, Look::Disabled), 1, 3);
    grid->addWidget(choice<QCheckBox>("Check box", "component.checkbox", false, Look::Normal), 2, 0);
    grid->addWidget(choice<QCheckBox>("Checked", "component.checkbox", true, Look::Normal), 2, 1);
    grid->addWidget(choice<QCheckBox>("Hovered", "component.checkbox", false, Look::Hover), 2, 2);
    grid->addWidget(choice<QCheckBox>("Disabled", "component.checkbox", true, Look::Disabled), 2, 3);
    grid->addWidget(choice<QRadioButton>("Radio button", "component.radio_button", false, Look::Normal), 3, 0);
    grid->addWidget(choice<QRadioButton>("Selected", "component.radio_button", true, Look::Normal), 3, 1);
    grid->addWidget(choice<QRadioButton>("Hovered", "component.radio_button", false, Look::Hover), 3, 2);
    grid->addWidget(choice<QRadioButton>("Disabled", "component.radio_button", true, Look::Disabled), 3, 3);
    return board;
}

QToolButton *iconButton(const char *image, const char *key, Look look = Look::Normal)
{
    const ImageManager::ImageType state = look == Look::Disabled ? ImageManager::Disable
                                          : look == Look::Hover  ? ImageManager::Hover
                                                                 : ImageManager::Normal;
    auto *button = styled(inLook(new QToolButton, look), key);
    const QPixmap pixmap = getGlobalImage(image, state);
    button->setIcon(pixmap);
    button->setIconSize(pixmap.size() / pixmap.devicePixelRatio());
    return button;
}

QWidget *pagingBar()
{
    auto *border = styled(new QWidget, "component.paging_bar_border");
    border->setObjectName("PAGINGBARBORDER");
    border->setFixedHeight(px(32));
    auto *row = new QHBoxLayout(border);
    row->setContentsMargins(px(8), px(1), 0, 0);
    row->setSpacing(px(4));
    row->addWidget(iconButton("bt_pagebar_backend", "component.icon_button", Look::Disabled));
    row->addWidget(iconButton("bt_pagebar_back", "component.icon_button", Look::Disabled));
    for (int page = 1; page <= 5; ++page) {
        auto *number = styled(new QPushButton(QString::number(page)),
                              page == 1 ? "component.select_paging_button" : "component.nonselect_paging_button");
        number->setFixedHeight(px(24));
        number->setMinimumWidth(px(24));
        row->addWidget(number);
    }
    row->addWidget(iconButton("bt_pagebar_next", "component.icon_button", Look::Hover));
    row->addWidget(iconButton("bt_pagebar_nextend", "component.icon_button"));
    row->addStretch(1);
    row->addWidget(styled(new QLabel("101 items"), "component.paging_bar_label"));
    auto *refresh = iconButton("bt_pagebar_refresh", "component.icon_button");
    refresh->setFixedSize(px(24), px(24));
    row->addWidget(refresh);
    return border;
}

QWidget *filterBar()
{
    auto *bar = new QLineEdit;
    bar->setStyleSheet(getStyleSheet("component.lineedit", false) +
                       getStyleSheet("component.filter_bar_padding", false));
    bar->setPlaceholderText("Filter by name");
    bar->setFixedSize(px(300), px(28));
    auto *search = iconButton("bt_search_dropdown", "component.filter_search_button");
    search->setParent(bar);
    search->move(px(4), px(2));
    search->setFixedSize(px(34), px(24));
    return bar;
}

QWidget *table()
{
    auto *table = new QTableWidget(8, 3);
    table->setHorizontalHeaderLabels({"Name", "Type", "Last synchronised"});
    const char *const names[] = {"Alice Berg", "Engineering", "Bruno Costa", "Helpdesk",
                                 "Chen Wei", "Dana Ilic", "Finance", "Eli Novak"};
    for (int row = 0; row < 8; ++row) {
        table->setItem(row, 0, new QTableWidgetItem(names[row]));
        table->setItem(row, 1, new QTableWidgetItem(row % 3 == 1 ? "Group" : "User"));
        table->setItem(row, 2, new QTableWidgetItem(QString("2026-12-%1 09:30").arg(10 - row % 4, 2, 10, QChar('0'))));
    }
    table->horizontalHeader()->setStyleSheet(getStyleSheet("component.table_header", false));
    table->horizontalHeader()->setFixedHeight(px(30));
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(px(28));
    table->setShowGrid(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setStyleSheet(getStyleSheet("component.table", false) + getStyleSheet("component.scrollbar", false));
    table->setColumnWidth(0, px(140));
    table->setColumnWidth(1, px(100));
    table->selectRow(2);
    table->setFixedSize(px(440), px(170));
    return table;
}

} // namespace

QWidget *createComponentBoard()
{
    auto *board = new QWidget;
    auto *layout = new QVBoxLayout(board);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(12));
    layout->addWidget(heading("Library components"));
    layout->addWidget(buttons());
    layout->addSpacing(px(8));
    layout->addWidget(fields());
    layout->addSpacing(px(8));
    layout->addWidget(filterBar());
    layout->addWidget(table());
    layout->addWidget(pagingBar());
    layout->addStretch(1);
    return board;
}
