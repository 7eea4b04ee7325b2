#include "data-widgets-page.h"

#include "page-parts.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "widgets/file-system-tree-widget-item.h"
#include "widgets/item-delegate.h"
#include "widgets/orva-button-path.h"
#include "widgets/orva-calander-view.h"
#include "widgets/orva-date-selector.h"
#include "widgets/orva-label.h"
#include "widgets/orva-table-widget.h"
#include "widgets/orva-tree-widget.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct Texts
{
    QString title;
    QString dates, from, until, chooseDate;
    QString paths, folders, syncFolders;
    QString files, name, owner, size, modified;
    QString home, projects, archive, shared, readOnly;
};

Texts texts(const QString &language)
{
    if (language == "de") {
        return {
            "Datenansichten",
            "Zeitraum", "Von", "Bis", "Datum wählen",
            "Ordnerpfad", "Ordner", "Zu synchronisierende Ordner",
            "Dateien", "Name", "Besitzer", "Größe", "Geändert",
            "Persönlicher Ordner", "Projekte", "Archiv", "Freigaben", "Schreibgeschützt (Systemordner)",
        };
    }
    return {
        "Data widgets",
        "Period", "From", "Until", "Choose a date",
        "Folder path", "Folders", "Folders to synchronise",
        "Files", "Name", "Owner", "Size", "Modified",
        "Home", "Projects", "Archive", "Shares", "Read-only (system folder)",
    };
}

QVBoxLayout *section(QWidget *owner, const QString &title)
{
    auto *column = new QVBoxLayout(owner);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(px(10));
    column->addWidget(sectionTitle(title));
    return column;
}

// The leap day chosen, and the calendar open beside the selectors as their
// drop-down shows it.
QWidget *datesSection(const Texts &t)
{
    auto *widget = new QWidget;
    QVBoxLayout *column = section(widget, t.dates);
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(px(12));
    fields->setVerticalSpacing(px(8));
    auto *from = new OrvaDateSelector(t.chooseDate);
    from->dateSelect(QDate(2024, 2, 29));
    auto *until = new OrvaDateSelector(t.chooseDate);
    for (OrvaDateSelector *selector : {from, until})
        selector->setFixedWidth(px(180));
    fields->addWidget(new OrvaLabel(t.from), 0, 0);
    fields->addWidget(from, 0, 1);
    fields->addWidget(new OrvaLabel(t.until), 1, 0);
    fields->addWidget(until, 1, 1);
    fields->setColumnStretch(2, 1);
    column->addLayout(fields);

    auto *calendar = new OrvaCalanderView;
    calendar->setFixedSize(px(280), px(260));
    calendar->findChild<QCalendarWidget *>()->setSelectedDate(QDate(2024, 2, 29));
    calendar->setCurrentPage(2024, 2);
    // Dressed as in the drop-down, which takes the selector's sheet.
    calendar->setStyleSheet(getStyleSheet("component.date_selector", false) +
                            DPIinfo::getInstance().getScaledStyleSheet(
                                "OrvaCalanderView { background-color: #FFFFFF; border: 1px solid #C8D2DC; }"));
    column->addWidget(calendar);
    return widget;
}

QWidget *pathsSection(const Texts &t)
{
    auto *widget = new QWidget;
    QVBoxLayout *column = section(widget, t.paths);
    auto *deep = new OrvaButtonPath;
    auto *shallow = new OrvaButtonPath;
    for (OrvaButtonPath *bar : {deep, shallow}) {
        bar->setFixedWidth(px(420));
        column->addWidget(bar);
    }
    // A bar measures the width it can show when it is refreshed: once the
    // page is shown and laid out.
    QTimer::singleShot(0, deep, [deep, shallow] {
        deep->refresh("/srv/projects/2024/R&D/prototypes/sensor-array/firmware/releases");
        shallow->refresh("/vol/share/docs");
    });
    QObject::connect(deep, &OrvaButtonPath::sigUpdatePath, deep, &OrvaButtonPath::slotUpdatePath);
    QObject::connect(shallow, &OrvaButtonPath::sigUpdatePath, shallow, &OrvaButtonPath::slotUpdatePath);
    return widget;
}

FileSystemTreeWidgetItem *folder(QTreeWidgetItem *parent, const QString &text, const QString &path,
                                 Qt::CheckState check)
{
    auto *item = new FileSystemTreeWidgetItem(parent);
    item->setText(0, text);
    item->setPath(path);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(0, check);
    return item;
}

QWidget *treeSection(const Texts &t, ItemDelegate *delegate)
{
    auto *widget = new QWidget;
    QVBoxLayout *column = section(widget, t.syncFolders);
    auto *tree = new OrvaTreeWidget;
    tree->setHeaderHidden(true);
    tree->setItemDelegate(delegate);
    tree->setStyleSheet(getStyleSheet("component.tree", false) + getStyleSheet("component.scrollbar", false));
    tree->setBackgroundColor(QColor("#E6F6F2"), QColor("#F3F6F8"));
    tree->setFixedHeight(px(10 * 28 + 4));

    auto *root = tree->invisibleRootItem();
    FileSystemTreeWidgetItem *projects = folder(root, t.projects, "projects", Qt::PartiallyChecked);
    folder(projects, "2024", "projects/2024", Qt::Checked);
    FileSystemTreeWidgetItem *lab = folder(projects, "R&D", "projects/R&D", Qt::Unchecked);
    folder(lab, "prototypes", "projects/R&D/prototypes", Qt::Unchecked);
    folder(root, t.archive, "archive", Qt::Unchecked);
    FileSystemTreeWidgetItem *shares = folder(root, t.shared, "shares", Qt::Checked);
    folder(shares, "finance", "shares/finance", Qt::Checked);
    // A folder the user cannot choose: no check box, drawn greyed.
    auto *system = new FileSystemTreeWidgetItem(root);
    system->setText(0, t.readOnly);
    system->setPath("system");
    system->setRO(true);
    system->setFlags(system->flags() & ~Qt::ItemIsUserCheckable);
    FileSystemTreeWidgetItem *home = folder(root, t.home, "home", Qt::Checked);
    folder(home, "documents", "home/documents", Qt::Checked);
    tree->setSortingEnabled(true);
    tree->sortItems(0, Qt::AscendingOrder);
    tree->expandAll();
    tree->setCurrentItem(lab);
    column->addWidget(tree);
    return widget;
}

// 200 files of a project share, in a table whose name and owner share the
// free width.
QWidget *filesSection(const Texts &t)
{
    auto *widget = new QWidget;
    QVBoxLayout *column = section(widget, t.files);
    OrvaTableColumnsInfo columns;
    columns.addColumn(t.name, 200, true, 0.6);
    columns.addColumn(t.owner, 120, true, 0.4);
    columns.addColumn(t.size, 80, false, 0.0);
    columns.addColumn(t.modified, 130, false, 0.0);
    auto *files = new OrvaTableWidget(columns, nullptr);
    static const char *const kinds[] = {"report", "budget", "minutes", "design", "contract", "invoice", "notes"};
    static const char *const extensions[] = {"pdf", "xlsx", "docx", "png", "pdf", "pdf", "txt"};
    static const char *const owners[] = {"Alice Berg", "Bruno Costa", "Chen Wei", "Dana Ilic", "Eli Novak"};
    QTableWidget *table = files->getTable();
    table->setRowCount(200);
    for (int row = 0; row < 200; ++row) {
        const int kind = row % 7;
        table->setItem(row, 0, new QTableWidgetItem(QString("%1-%2-%3.%4")
                                                        .arg(kinds[kind])
                                                        .arg(2024 - row / 50)
                                                        .arg(row % 50 + 1, 2, 10, QChar('0'))
                                                        .arg(extensions[kind])));
        table->setItem(row, 1, new QTableWidgetItem(owners[row % 5]));
        auto *size = new QTableWidgetItem(QString("%1 KB").arg((row * 37) % 900 + 12));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 2, size);
        table->setItem(row, 3, new QTableWidgetItem(QDate(2024, 12, 1).addDays(-row * 3).toString("yyyy-MM-dd")));
    }
    table->selectRow(2);
    files->setFixedHeight(px(30 + 8 * 28));
    column->addWidget(files);
    return widget;
}

} // namespace

QMap<QString, QString> dataWidgetsCaptions(const QString &language)
{
    if (language == "de") {
        return {{"today", "Heute"}, {"accessible_calendar", "Kalender"},
                {"accessible_calendar_prev_month", "Vorheriger Monat"},
                {"accessible_calendar_next_month", "Nächster Monat"},
                {"month_jan", "Januar"}, {"month_feb", "Februar"}, {"month_mar", "März"}, {"month_apr", "April"},
                {"month_may", "Mai"}, {"month_jun", "Juni"}, {"month_jul", "Juli"}, {"month_aug", "August"},
                {"month_sep", "September"}, {"month_oct", "Oktober"}, {"month_nov", "November"},
                {"month_dec", "Dezember"},
                {"sunday", "Sonntag"}, {"monday", "Montag"}, {"tuesday", "Dienstag"}, {"wednesday", "Mittwoch"},
                {"thursday", "Donnerstag"}, {"friday", "Freitag"}, {"saturday", "Samstag"}};
    }
    return {{"today", "Today"}, {"accessible_calendar", "Calendar"},
            {"accessible_calendar_prev_month", "Previous month"}, {"accessible_calendar_next_month", "Next month"},
            {"month_jan", "January"}, {"month_feb", "February"}, {"month_mar", "March"}, {"month_apr", "April"},
            {"month_may", "May"}, {"month_jun", "June"}, {"month_jul", "July"}, {"month_aug", "August"},
            {"month_sep", "September"}, {"month_oct", "October"}, {"month_nov", "November"},
            {"month_dec", "December"},
            {"sunday", "Sunday"}, {"monday", "Monday"}, {"tuesday", "Tuesday"}, {"wednesday", "Wednesday"},
            {"thursday", "Thursday"}, {"friday", "Friday"}, {"saturday", "Saturday"}};
}

QWidget *createDataWidgetsPage(const QString &language)
{
    const Texts t = texts(language);
    auto *page = new QWidget;
    page->setObjectName("dataWidgetsPage");
    page->setStyleSheet("QWidget#dataWidgetsPage { background-color: #FFFFFF; }");
    // The tree's delegate has no parent of its own; the page keeps it.
    auto *delegate = new ItemDelegate;
    delegate->setParent(page);

    auto *body = new QVBoxLayout(page);
    body->setContentsMargins(px(32), px(24), px(32), px(24));
    body->setSpacing(px(20));
    auto *title = new QLabel(t.title);
    title->setStyleSheet(getStyleSheet("welcome_title", false));
    body->addWidget(title);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(px(40));
    grid->setVerticalSpacing(px(24));
    grid->addWidget(pathsSection(t), 0, 0, Qt::AlignTop);
    grid->addWidget(treeSection(t, delegate), 1, 0, Qt::AlignTop);
    grid->addWidget(datesSection(t), 0, 1, 2, 1, Qt::AlignTop);
    grid->addWidget(filesSection(t), 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    body->addLayout(grid);
    body->addStretch(1);
    return page;
}
