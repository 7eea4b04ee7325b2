#include "component-board.h"

#include "gallery-parts.h"

#include "widgets/orva-button.h"
#include "widgets/orva-check-box.h"
#include "widgets/orva-combo-box.h"
#include "widgets/orva-date-selector.h"
#include "widgets/orva-filter-bar.h"
#include "widgets/orva-paging-bar.h"
#include "widgets/orva-paging-model.h"
#include "widgets/orva-radio-button.h"
#include "widgets/orva-table-widget.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

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

// The library's buttons by kind; the reset button, a message sheet's own,
// by its sheet.
QPushButton *button(const char *text, int kind, Look look)
{
    QPushButton *button = kind >= 0 ? new OrvaButton(text, kind)
                                    : styled(new QPushButton(text), "component.reset_button");
    inLook(button, look);
    button->setFixedSize(px(100), px(32));
    if (look == Look::Pressed)
        button->setDown(true);
    return button;
}

QWidget *buttons()
{
    const struct { int kind; const char *text; } kinds[] = {
        {OrvaButton::Apply, "Apply"},     {OrvaButton::Cancel, "Cancel"},
        {OrvaButton::Default, "Default"}, {OrvaButton::Red, "Delete"},
        {-1, "Reset"},
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
            grid->addWidget(button(kinds[row].text, kinds[row].kind, Look(look)), row + 1, look);
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

QComboBox *comboBox(const QStringList &items, Look look)
{
    QComboBox *box = inLook(new OrvaComboBox, look);
    box->addItems(items);
    box->setFixedSize(px(150), px(32));
    return box;
}

QWidget *dateSelector()
{
    auto *selector = new OrvaDateSelector("Choose a date");
    selector->dateSelect(QDate(2026, 12, 10));
    selector->setFixedWidth(px(150));
    return selector;
}

template <typename B>
B *choice(const char *text, bool checked, Look look)
{
    auto *box = inLook(new B(text), look);
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
    grid->addWidget(comboBox({"Every day", "Every week"}, Look::Normal), 1, 0);
    grid->addWidget(comboBox({"Hovered"}, Look::Hover), 1, 1);
    grid->addWidget(dateSelector(), 1, 2);
    grid->addWidget(comboBox({"Disabled"}, Look::Disabled), 1, 3);
    grid->addWidget(choice<OrvaCheckBox>("Check box", false, Look::Normal), 2, 0);
    grid->addWidget(choice<OrvaCheckBox>("Checked", true, Look::Normal), 2, 1);
    grid->addWidget(choice<OrvaCheckBox>("Hovered", false, Look::Hover), 2, 2);
    grid->addWidget(choice<OrvaCheckBox>("Disabled", true, Look::Disabled), 2, 3);
    grid->addWidget(choice<OrvaRadioButton>("Radio button", false, Look::Normal), 3, 0);
    grid->addWidget(choice<OrvaRadioButton>("Selected", true, Look::Normal), 3, 1);
    grid->addWidget(choice<OrvaRadioButton>("Hovered", false, Look::Hover), 3, 2);
    grid->addWidget(choice<OrvaRadioButton>("Disabled", true, Look::Disabled), 3, 3);
    return board;
}

// A list of 101 items, 25 to a page, on page 2.
QWidget *pagingBar()
{
    auto *holder = new QWidget;
    auto *model = new OrvaPagingModel(25, holder);
    auto *bar = new OrvaPagingBar(model, holder);
    model->setNowPage(2);
    bar->setItemCount(101);
    bar->setFooterInfos({{"101 items", 0}, {"25 per page", 0}});
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    return holder;
}

QWidget *filterBar()
{
    auto *bar = new OrvaFilterBar;
    bar->setPlaceholderText("Filter by name");
    bar->setFixedWidth(px(300));
    return bar;
}

QWidget *table()
{
    OrvaTableColumnsInfo columns;
    columns.addColumn("Name", 140, true, 0.0);
    columns.addColumn("Type", 100, false, 0.0);
    columns.addColumn("Last synchronised", 160, true, 1.0);
    auto *list = new OrvaTableWidget(columns, nullptr);
    QTableWidget *table = list->getTable();
    const char *const names[] = {"Alice Berg", "Engineering", "Bruno Costa", "Helpdesk",
                                 "Chen Wei", "Dana Ilic", "Finance", "Eli Novak"};
    table->setRowCount(8);
    for (int row = 0; row < 8; ++row) {
        table->setItem(row, 0, new QTableWidgetItem(names[row]));
        table->setItem(row, 1, new QTableWidgetItem(row % 3 == 1 ? "Group" : "User"));
        table->setItem(row, 2, new QTableWidgetItem(QString("2026-12-%1 09:30").arg(10 - row % 4, 2, 10, QChar('0'))));
    }
    table->selectRow(2);
    list->setFixedSize(px(440), px(170));
    return list;
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
