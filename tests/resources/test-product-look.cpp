#include <QtTest>

#include "test-main.h"
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

namespace {

const QString kSourceDir = QStringLiteral(LODESTAR_SOURCE_DIR);
const QString kResourceDir = kSourceDir + QStringLiteral("/resource");
const QString kImageDir = kResourceDir + QStringLiteral("/images");

// Style keys the library's widgets and the agent's windows ask for, many of
// them through variables that no scan of the sources would find.
const char *const kKeysAskedFor[] = {
    "component.apply_button", "component.cancel_button", "component.select_paging_button",
    "component.nonselect_paging_button", "component.default_button", "component.red_button",
    "component.icon_button", "component.checkbox", "component.lineedit_label", "component.lineedit",
    "component.menu", "component.button_path", "component.button_path_change_folder_btn",
    "component.button_path_arrow", "component.button_path_name_button", "component.info_message_box",
    "component.warning_message_box", "component.confirm_message_box", "component.upgrading_message_box",
    "component.checkbox_warning", "component.label_checkbox_warning", "component.reset_button",
    "component.message_sheet_processing", "component.message_sheet_other", "component.message_sheet_text",
    "component.message_sheet_informative_text", "component.tree_item", "component.paging_bar_border",
    "component.paging_bar_label", "component.paging_bar_rightmost_label", "component.scrollbar",
    "component.combobox", "component.date_selector", "component.table_header", "component.table",
    "component.filter_search_button", "component.filter_bar_padding", "component.radio_button",
    "component.label",
    "welcome_title", "welcome_description", "welcome_warning", "ldap_info_label", "ldap_info_edit",
    "edit_warn", "warning_label", "protocol_combobox", "protocol_combobox_hover", "aerum_button",
    "aerum_button_grey", "connect_key_label", "connect_key_edit", "aerumconnect_edit",
    "aerumconnect_title", "aerumconnect_description", "summary_success_info", "summary_staged_info",
    "not_approved_image", "message_sheet_warning",
};

// Sheets that code applies one after the other on the same widget: each must
// be written as rules, or the pair no longer parses.
const char *const kComposedSheets[][2] = {
    {"protocol_combobox", "protocol_combobox_hover"},
    {"component.combobox", "component.scrollbar"},
    {"component.lineedit", "component.filter_bar_padding"},
    {"component.date_selector", "component.menu"},
    {"component.table", "component.scrollbar"},
};

// The combo box puts its own padding and border into its sheet before use.
QString filledIn(const QString &sheet)
{
    if (!sheet.contains(QLatin1String("%1")))
        return sheet;
    return sheet.arg(QStringLiteral("padding-left: 6px; \npadding-right: 6px;"),
                     QStringLiteral("border: 1px solid #C8D2DC;"));
}

struct ImageUse
{
    const char *name;
    QList<int> states; // ImageManager::ImageType values
    QSize designSize; // invalid where the place it is shown in does not fix it
};

const QList<int> kNormal = {ImageManager::Normal};
const QList<int> kAllStates = {ImageManager::Normal, ImageManager::Hover, ImageManager::Click,
                               ImageManager::Disable};

// Images the code asks for, in the states its users show, at the size of the
// place they fill: status images fill 120 x 120 labels, the sheet frame's
// shadow band is 22 wide, icon buttons hold 16 px icons.
const ImageUse kImagesAskedFor[] = {
    {"app_img", kNormal, QSize(48, 48)},
    {"icon_agent", kNormal, QSize(16, 16)},
    {"status_m_init", kNormal, QSize(120, 120)},
    {"status_m_done", kNormal, QSize(120, 120)},
    {"status_m_offline", kNormal, QSize(120, 120)},
    {"status_m_staged", kNormal, QSize(120, 120)},
    {"icon_information", kNormal, QSize(32, 32)},
    {"icon_question", kNormal, QSize(32, 32)},
    {"icon_warning", kNormal, QSize(32, 32)},
    {"folder", kNormal, QSize(20, 20)},
    {"bt_next", kNormal, QSize(6, 12)},
    {"bg_tutorial_l", kNormal, QSize(22, 2)},
    {"bg_tutorial_r", kNormal, QSize(22, 2)},
    {"bg_tutorial_t", kNormal, QSize(2, 22)},
    {"bg_tutorial_b", kNormal, QSize(2, 22)},
    {"bg_tutorial_lt", kNormal, QSize(22, 22)},
    {"bg_tutorial_rt", kNormal, QSize(22, 22)},
    {"bg_tutorial_lb", kNormal, QSize(22, 22)},
    {"bg_tutorial_rb", kNormal, QSize(22, 22)},
    {"bt_pagebar_back", kAllStates, QSize(16, 16)},
    {"bt_pagebar_next", kAllStates, QSize(16, 16)},
    {"bt_pagebar_backend", kAllStates, QSize(16, 16)},
    {"bt_pagebar_nextend", kAllStates, QSize(16, 16)},
    {"bt_pagebar_refresh", kAllStates, QSize(16, 16)},
    {"bt_search_dropdown", kAllStates, QSize()},
};

const char *const kStateSuffixes[] = {"", "_hover", "_click", "_disable"};

// Every first string argument of `call` in the sources of the library, the
// agent and the tools, so that keys and names used by newer code are checked too.
QStringList literalArguments(const char *call)
{
    const QRegularExpression pattern(QStringLiteral("\\b%1\\(\\s*\"([^\"]+)\"").arg(QLatin1String(call)));
    QStringList found;
    for (const char *area : {"orvakit", "ui", "tools"}) {
        QDirIterator it(kSourceDir + '/' + area, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            auto matches = pattern.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext())
                found << matches.next().captured(1);
        }
    }
    found.removeDuplicates();
    return found;
}

QStringList keysInUse()
{
    QStringList keys;
    for (const char *key : kKeysAskedFor)
        keys << key;
    keys << literalArguments("getStyleSheet");
    keys.removeDuplicates();
    return keys;
}

QStringList listedImageNames()
{
    QFile file(kResourceDir + "/images.json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QJsonValue &name : QJsonDocument::fromJson(file.readAll()).object().value("images").toArray())
        names << name.toString();
    return names;
}

// Every warning, whatever its category: Qt's style-sheet parser writes to the
// default one, the library to "debug.message".
class Warnings
{
public:
    Warnings() : m_previous(qInstallMessageHandler(collect)) { s_current = this; }
    ~Warnings()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    Warnings(const Warnings &) = delete;
    Warnings &operator=(const Warnings &) = delete;

    QStringList texts;

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (s_current && (type == QtWarningMsg || type == QtCriticalMsg))
            s_current->texts << text;
    }

    QtMessageHandler m_previous;
    static inline Warnings *s_current = nullptr;
};

// Shows a widget with the sheet and a label inside it, which makes Qt parse
// the sheet and match its rules; a sheet Qt cannot read draws a warning.
QStringList warningsWhenApplied(const QString &sheet)
{
    Warnings warnings;
    QWidget host;
    host.setStyleSheet(sheet);
    new QLabel("text", &host);
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        warnings.texts << "window never shown";
    return warnings.texts;
}

// Rules only: a selector first and nothing after the last block. A sheet of
// bare properties has its ";" before any "{" or after the last "}".
bool isWrittenAsRules(const QString &sheet)
{
    const QString text = sheet.trimmed();
    const int open = text.indexOf('{');
    return open > 0 && !text.left(open).contains(';') && text.endsWith('}');
}

} // namespace

class TestProductLook : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_userData;

private slots:
    void initTestCase()
    {
        QVERIFY(m_userData.isValid());
        UIPathManager::getInstance().setPath("resource_path", kResourceDir);
        UIPathManager::getInstance().setPath("user_data_path", m_userData.path());
        Warnings warnings;
        ImageManager::getInstance().initialize(ImageManager::Eager);
        StyleManager::getInstance().initialize(
            {kResourceDir + "/agent.stylesheet", kResourceDir + "/component.business.stylesheet"});
        QVERIFY2(warnings.texts.isEmpty(), qPrintable(warnings.texts.join('\n')));
        // Without this the source scans below could pass by finding nothing.
        QVERIFY(!literalArguments("getStyleSheet").isEmpty());
    }

    void everyKeyInUseHasASheet_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : keysInUse())
            QTest::newRow(qPrintable(key)) << key;
    }
    void everyKeyInUseHasASheet()
    {
        QFETCH(QString, key);
        QVERIFY2(!getStyleSheet(key, true).trimmed().isEmpty(), "no section, or an empty one");
    }

    // The parser skips a whole sheet it cannot read, so a single typo would
    // silently leave a widget with Qt's default look.
    void sheetAppliesCleanly_data()
    {
        QTest::addColumn<QString>("sheet");
        for (const QString &key : keysInUse())
            QTest::newRow(qPrintable(key)) << filledIn(getStyleSheet(key, false));
    }
    void sheetAppliesCleanly()
    {
        QFETCH(QString, sheet);
        const QStringList warnings = warningsWhenApplied(sheet);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));

        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        auto urls = url.globalMatch(sheet);
        while (urls.hasNext()) {
            const QString file = urls.next().captured(1);
            QVERIFY2(QFileInfo(file).isFile(), qPrintable("missing " + file));
        }
    }

    // Qt 5 draws a line edit's placeholder in the text colour a sheet sets, so
    // an example value such as "389" would look like one the user typed.
    void placeholderStaysFaint_data() { sheetAppliesCleanly_data(); }
    void placeholderStaysFaint()
    {
        QFETCH(QString, sheet);
        QLineEdit edit;
        edit.setStyleSheet(sheet);
        edit.ensurePolished();
        QVERIFY(edit.palette().color(QPalette::PlaceholderText) != edit.palette().color(QPalette::Text));
    }

    // A sheet of bare properties after a rule is dropped without any warning,
    // so both parts of a composed sheet must be rules.
    void composedSheetsAreRules_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        for (const auto &pair : kComposedSheets)
            QTest::newRow(qPrintable(QString("%1 + %2").arg(pair[0], pair[1])))
                << filledIn(getStyleSheet(pair[0], false)) << getStyleSheet(pair[1], false);
        // The edit dialog appends its own rule to both of its button sheets.
        for (const char *key : {"aerum_button", "aerum_button_grey"})
            QTest::newRow(qPrintable(QString("%1 + a rule").arg(key)))
                << getStyleSheet(key, false) << QString("QPushButton { border-radius: 16px; }");
    }
    void composedSheetsAreRules()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(isWrittenAsRules(first));
        QVERIFY(isWrittenAsRules(second));
        const QStringList warnings = warningsWhenApplied(first + second);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }

    void imageInEveryStateAskedFor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<QSize>("designSize");
        QStringList covered;
        for (const ImageUse &use : kImagesAskedFor) {
            QTest::newRow(use.name) << QString(use.name) << use.states << use.designSize;
            covered << use.name;
        }
        for (const QString &name : listedImageNames() + literalArguments("getGlobalImage")) {
            if (!covered.contains(name))
                QTest::newRow(qPrintable(name)) << name << kNormal << QSize();
            covered << name;
        }
    }
    void imageInEveryStateAskedFor()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, states);
        QFETCH(QSize, designSize);

        const QImage normal(kImageDir + '/' + name + ".png");
        QVERIFY2(!normal.isNull(), "no normal-state file");
        QVERIFY2(normal.width() % 4 == 0 && normal.height() % 4 == 0, "not drawn at four times a whole size");
        if (designSize.isValid())
            QCOMPARE(normal.size(), designSize * 4);

        for (int state : states) {
            const QString file = kImageDir + '/' + name + kStateSuffixes[state] + ".png";
            // A state of another size would make the icon jump when it changes.
            QCOMPARE(QImageReader(file).size(), normal.size());
            Warnings warnings;
            QVERIFY2(!getGlobalImage(name, ImageManager::ImageType(state)).isNull(), "not listed in images.json");
            QVERIFY2(warnings.texts.isEmpty(), qPrintable(warnings.texts.join('\n')));
        }
    }

    // A stale or misnamed file is drawn by nobody; a file without its source
    // cannot be redrawn.
    void everyImageFileIsListedAndHasItsSource()
    {
        const QStringList names = listedImageNames();
        const QRegularExpression stateFile(QStringLiteral("^(.+?)(_hover|_click|_disable)?\\.png$"));
        for (const QString &file : QDir(kImageDir).entryList({"*.png"}, QDir::Files)) {
            const QString name = stateFile.match(file).captured(1);
            QVERIFY2(names.contains(name), qPrintable(file + " belongs to no listed image"));
            QVERIFY2(QFileInfo::exists(kImageDir + "/src/" + name + ".svg"), qPrintable(file + " has no SVG source"));
        }
    }
};

LODESTAR_TEST_MAIN(TestProductLook)
#include "test-product-look.moc"
