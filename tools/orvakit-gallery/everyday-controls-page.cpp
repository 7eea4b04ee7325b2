#include "everyday-controls-page.h"

#include "page-parts.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "widgets/orva-button.h"
#include "widgets/orva-check-box.h"
#include "widgets/orva-combo-box.h"
#include "widgets/orva-filter-bar.h"
#include "widgets/orva-footbar.h"
#include "widgets/orva-icon-button.h"
#include "widgets/orva-label.h"
#include "widgets/orva-line-edit.h"
#include "widgets/orva-menu.h"
#include "widgets/orva-paging-bar.h"
#include "widgets/orva-paging-model.h"
#include "widgets/orva-radio-button.h"
#include "widgets/orva-time-combo-box.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

namespace {

struct Texts
{
    QString title;
    QString buttons, save, cancel, testConnection, deleteServer;
    QString choices, syncGroups, includeDisabled, keepDeleted, everyHour, everyDay, manually;
    QString schedule, scheduleEntries, startTime, endTime, custom;
    QString edits, port, portRange, timeout, seconds;
    QString users, filterPlaceholder, filterName, filterMail, filterGroup;
    QString name, type, lastSync, user, group, usersCount, perPage;
    QString help, ok;
};

Texts texts(const QString &language)
{
    if (language == "de") {
        return {
            "Alltägliche Bedienelemente",
            "Schaltflächen", "Speichern", "Abbrechen", "Verbindung testen", "Server löschen",
            "Auswahl", "Gruppen synchronisieren", "Deaktivierte Konten einbeziehen", "Gelöschte Benutzer behalten",
            "Stündlich", "Täglich", "Nur von Hand",
            "Zeitplan", "Täglich|Wöchentlich|Monatlich", "Beginn", "Ende", "benutzerdefiniert",
            "Eingabefelder", "Port", "1–65535", "Zeitlimit", "Sekunden",
            "Benutzer", "Nach Namen filtern", "Name", "E-Mail-Adresse", "Gruppe",
            "Name", "Art", "Zuletzt synchronisiert", "Benutzer", "Gruppe", "101 Einträge", "25 pro Seite",
            "Hilfe", "OK",
        };
    }
    return {
        "Everyday controls",
        "Buttons", "Save", "Cancel", "Test connection", "Delete server",
        "Choices", "Synchronise groups", "Include disabled accounts", "Keep deleted users",
        "Every hour", "Every day", "Manually only",
        "Schedule", "Every day|Every week|Every month", "Start", "End", "custom",
        "Line edits", "Port", "1–65535", "Timeout", "seconds",
        "Users", "Filter by name", "Name", "E-mail address", "Group",
        "Name", "Type", "Last synchronised", "User", "Group", "101 entries", "25 per page",
        "Help", "OK",
    };
}

OrvaButton *button(const QString &text, int kind, bool enabled = true)
{
    auto *button = new OrvaButton(text, kind);
    button->setFixedHeight(px(32));
    button->setMinimumWidth(px(80));
    button->setEnabled(enabled);
    return button;
}

QHBoxLayout *row(int spacing)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(px(spacing));
    return row;
}

// A titled column of the page; the caller fills in the rest.
QVBoxLayout *sectionColumn(QWidget *section, const QString &title)
{
    auto *column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(px(10));
    column->addWidget(sectionTitle(title));
    return column;
}

QWidget *buttonsSection(const Texts &t)
{
    auto *section = new QWidget;
    QVBoxLayout *column = sectionColumn(section, t.buttons);

    auto *kinds = row(8);
    kinds->addWidget(button(t.save, OrvaButton::Apply));
    kinds->addWidget(button(t.cancel, OrvaButton::Cancel));
    kinds->addWidget(button(t.testConnection, OrvaButton::Default));
    kinds->addWidget(button(t.deleteServer, OrvaButton::Red));
    kinds->addStretch(1);
    column->addLayout(kinds);

    auto *states = row(8);
    states->addWidget(button(t.save, OrvaButton::Apply, false));
    states->addWidget(button(t.cancel, OrvaButton::Cancel, false));
    states->addSpacing(px(16));
    // The refresh picture in its normal, hover and disabled states.
    auto *normal = new OrvaIconButton(QString("bt_pagebar_refresh"));
    // A still picture of the pointer over the button.
    auto *hover = new OrvaIconButton(getGlobalImage("bt_pagebar_refresh", ImageManager::Hover));
    hover->setAttribute(Qt::WA_Hover);
    hover->setAttribute(Qt::WA_UnderMouse);
    auto *disabled = new OrvaIconButton(QString("bt_pagebar_refresh"));
    disabled->setEnabled(false);
    for (OrvaIconButton *icon : {normal, hover, disabled}) {
        icon->setFixedSize(px(24), px(24));
        states->addWidget(icon);
    }
    states->addStretch(1);
    column->addLayout(states);

    auto *checks = row(24);
    auto *groups = new OrvaCheckBox(t.syncGroups);
    groups->setChecked(true);
    auto *keep = new OrvaCheckBox(t.keepDeleted);
    keep->setChecked(true);
    keep->setEnabled(false);
    checks->addWidget(groups);
    checks->addWidget(new OrvaCheckBox(t.includeDisabled));
    checks->addWidget(keep);
    checks->addStretch(1);
    column->addLayout(checks);

    auto *radios = row(24);
    auto *daily = new OrvaRadioButton(t.everyDay);
    daily->setChecked(true);
    auto *manual = new OrvaRadioButton(t.manually);
    manual->setEnabled(false);
    radios->addWidget(new OrvaRadioButton(t.everyHour));
    radios->addWidget(daily);
    radios->addWidget(manual);
    radios->addStretch(1);
    column->addLayout(radios);
    return section;
}

OrvaTimeComboBox *timeBox(const QString &custom, const std::string &time)
{
    auto *box = new OrvaTimeComboBox;
    box->setEditable(true);
    for (int minutes = 0; minutes < 24 * 60; minutes += 30)
        box->addItem(QTime(0, 0).addSecs(minutes * 60).toString("hh:mm"));
    box->setCustomText(custom);
    box->setMaxVisibleItems(8);
    box->setDefault("09:00");
    box->setCurrentText(time);
    box->setFixedHeight(px(32));
    return box;
}

QWidget *choicesSection(const Texts &t)
{
    auto *section = new QWidget;
    auto *grid = new QGridLayout(section);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(px(12));
    grid->setVerticalSpacing(px(10));
    grid->addWidget(sectionTitle(t.choices), 0, 0, 1, 2);

    auto *schedule = new OrvaComboBox;
    schedule->addItems(t.scheduleEntries.split('|'));
    schedule->setCurrentIndex(1);
    schedule->setFixedHeight(px(32));
    grid->addWidget(new OrvaLabel(t.schedule), 1, 0);
    grid->addWidget(schedule, 1, 1);
    // A typed time that is not a half hour stands in the custom row.
    grid->addWidget(new OrvaLabel(t.startTime), 2, 0);
    grid->addWidget(timeBox(t.custom, "09:05"), 2, 1);
    grid->addWidget(new OrvaLabel(t.endTime), 3, 0);
    grid->addWidget(timeBox(t.custom, "18:30"), 3, 1);
    grid->setColumnStretch(1, 1);
    return section;
}

OrvaLineEdit *labelledEdit(const QString &before, const QString &text, const QString &after)
{
    auto *edit = new OrvaLineEdit;
    edit->getPreLabel()->setText(before);
    edit->getPostLabel()->setText(after);
    edit->getLineEdit()->setText(text);
    edit->getLineEdit()->setFixedSize(px(100), px(28));
    edit->setValidator([](const QString &value) {
        bool isNumber = false;
        const int number = value.toInt(&isNumber);
        return isNumber && number >= 1 && number <= 65535;
    });
    edit->setError(!edit->validate());
    return edit;
}

QWidget *editsSection(const Texts &t)
{
    auto *section = new QWidget;
    QVBoxLayout *column = sectionColumn(section, t.edits);
    OrvaLineEdit *const edits[] = {
        labelledEdit(t.port, "389", t.portRange),
        // Out of range: the edit wears its error look.
        labelledEdit(t.timeout, "70000", t.seconds),
    };
    // The edits stand in one column, whatever their labels' lengths.
    int labelWidth = 0;
    for (OrvaLineEdit *edit : edits)
        labelWidth = qMax(labelWidth, edit->getPreLabel()->sizeHint().width());
    for (OrvaLineEdit *edit : edits) {
        edit->getPreLabel()->setFixedWidth(labelWidth);
        column->addWidget(edit);
    }
    return section;
}

// The rows of page `page` of the 101 users.
void fillUsers(QTableWidget *table, const OrvaPagingModel &model, const Texts &t)
{
    static const char *const first[] = {"Alice", "Bruno", "Chen", "Dana", "Eli", "Fatima", "Gustav",
                                        "Hana", "Ivan", "Jonas", "Katja"};
    static const char *const last[] = {"Berg", "Costa", "Wei", "Ilic", "Novak", "Haddad", "Lind",
                                       "Sato", "Petrov", "Keller"};
    const int start = model.startItem();
    const int rows = qMax(0, qMin(model.rowLimit(), model.itemCount() - start));
    table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const int n = start + row;
        const bool isGroup = n % 7 == 3;
        const QString name = isGroup ? QString("%1 %2").arg(t.group).arg(n / 7 + 1)
                                     : QString("%1 %2").arg(first[n % 11], last[n % 10]);
        table->setItem(row, 0, new QTableWidgetItem(name));
        table->setItem(row, 1, new QTableWidgetItem(isGroup ? t.group : t.user));
        table->setItem(row, 2, new QTableWidgetItem(QString("2026-12-%1 %2:30")
                                                        .arg(10 - n % 4, 2, 10, QChar('0'))
                                                        .arg(8 + n % 9, 2, 10, QChar('0'))));
    }
}

QWidget *usersSection(const Texts &t)
{
    auto *section = new QWidget;
    QVBoxLayout *column = sectionColumn(section, t.users);

    auto *filter = new OrvaFilterBar;
    filter->setPlaceholderText(t.filterPlaceholder);
    filter->setFixedWidth(px(300));
    auto *menu = new OrvaMenu(filter);
    menu->setStyleSheet(getStyleSheet("component.menu", false));
    for (const QString &field : {t.filterName, t.filterMail, t.filterGroup})
        menu->addAction(field)->setCheckable(true);
    menu->actions().first()->setChecked(true);
    filter->setMenu(menu);
    column->addWidget(filter);

    auto *table = new QTableWidget(0, 3);
    table->setHorizontalHeaderLabels({t.name, t.type, t.lastSync});
    table->horizontalHeader()->setStyleSheet(getStyleSheet("component.table_header", false));
    table->horizontalHeader()->setFixedHeight(px(30));
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(px(28));
    table->setShowGrid(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setStyleSheet(getStyleSheet("component.table", false) + getStyleSheet("component.scrollbar", false));
    table->setColumnWidth(0, px(220));
    table->setColumnWidth(1, px(120));
    table->setFixedHeight(px(30 + 6 * 28));

    auto *model = new OrvaPagingModel(25, section);
    auto *pager = new OrvaPagingBar(model, section);
    pager->setItemCount(101);
    pager->setFooterInfos({{t.usersCount, 0}, {t.perPage, 0}});
    QObject::connect(pager, &OrvaPagingBar::sigPageChanged, table, [table, model, t] { fillUsers(table, *model, t); });
    // Page 2, so that the window shows pages on both sides of the current one.
    model->setNowPage(2);
    pager->setItemCount(101);
    fillUsers(table, *model, t);
    table->selectRow(1);

    auto *list = new QVBoxLayout;
    list->setSpacing(0);
    list->addWidget(table);
    list->addWidget(pager);
    column->addLayout(list);
    return section;
}

OrvaFootbar *footbar(const Texts &t)
{
    auto *bar = new OrvaFootbar;
    bar->pushLeftWidget(button(t.help, OrvaButton::Default));
    bar->pushRightWidget(button(t.ok, OrvaButton::Apply));
    bar->pushRightWidget(button(t.cancel, OrvaButton::Cancel));
    bar->init();
    bar->setStyleSheet("OrvaFootbar { background-color: #F5F7F9; border-top: 1px solid #E1E6EB; }");
    bar->setAttribute(Qt::WA_StyledBackground);
    return bar;
}

} // namespace

QMap<QString, QString> everydayControlsCaptions(const QString &language)
{
    if (language == "de") {
        return {{"first_page", "Erste Seite"}, {"prev_5_pages", "Fünf Seiten zurück"},
                {"next_5_pages", "Fünf Seiten vor"}, {"last_page", "Letzte Seite"},
                {"pagebar_refresh", "Aktualisieren"}};
    }
    return {{"first_page", "First page"}, {"prev_5_pages", "Back five pages"},
            {"next_5_pages", "Forward five pages"}, {"last_page", "Last page"},
            {"pagebar_refresh", "Refresh"}};
}

QWidget *createEverydayControlsPage(const QString &language)
{
    const Texts t = texts(language);
    auto *page = new QWidget;
    page->setObjectName("everydayControlsPage");
    page->setStyleSheet("QWidget#everydayControlsPage { background-color: #FFFFFF; }");
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(px(32), px(24), px(32), px(16));
    body->setSpacing(px(20));
    auto *title = new QLabel(t.title);
    title->setStyleSheet(getStyleSheet("welcome_title", false));
    body->addWidget(title);

    auto *top = new QGridLayout;
    top->setHorizontalSpacing(px(40));
    top->setVerticalSpacing(px(20));
    top->addWidget(buttonsSection(t), 0, 0, Qt::AlignTop);
    top->addWidget(choicesSection(t), 0, 1, Qt::AlignTop);
    top->addWidget(editsSection(t), 1, 1, Qt::AlignTop);
    top->addWidget(usersSection(t), 1, 0);
    top->setColumnStretch(0, 3);
    top->setColumnStretch(1, 2);
    body->addLayout(top);
    body->addStretch(1);
    outer->addLayout(body);
    outer->addWidget(footbar(t));
    return page;
}
