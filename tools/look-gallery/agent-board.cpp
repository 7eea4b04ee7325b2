#include "agent-board.h"

#include "gallery-parts.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "sheets/message-sheet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *statusImage(const char *name)
{
    auto *image = new QLabel;
    const int side = int(120 * DPIinfo::getInstance().getDPI() * DPIinfo::getInstance().getDPR());
    image->setPixmap(getGlobalImage(name, ImageManager::Normal)
                         .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image->setFixedSize(px(120), px(120));
    image->setAlignment(Qt::AlignCenter);
    return image;
}

QLabel *centred(QLabel *label, int width)
{
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFixedWidth(px(width));
    return label;
}

QWidget *statusPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(12));
    auto *images = new QHBoxLayout;
    for (const char *name : {"status_m_init", "status_m_done", "status_m_staged", "status_m_offline"})
        images->addWidget(statusImage(name));
    layout->addLayout(images);
    layout->addWidget(centred(styled(new QLabel("Connected!"), "summary_success_info"), 520), 0, Qt::AlignHCenter);
    layout->addWidget(centred(styled(new QLabel("This server is connected to Aerum Identity. Go to the "
                                                "<a style=\"color:#00A282; text-decoration:none;\" href=\"#\">"
                                                "Aerum Identity admin portal</a> to assign domain users access."),
                                     "welcome_description"),
                              520),
                      0, Qt::AlignHCenter);
    layout->addWidget(centred(styled(new QLabel("Your Aerum Identity is in restricted mode. To resume the connection, "
                                                "adjust your quotas in the admin portal."),
                                     "welcome_warning"),
                              520),
                      0, Qt::AlignHCenter);
    return page;
}

QString required(const char *text)
{
    return QString("%1:<span style=\"color:red;\">*</span>").arg(text);
}

QLineEdit *field(const char *key, const QString &text, const QString &placeholder)
{
    auto *edit = styled(new QLineEdit(text), key);
    edit->setPlaceholderText(placeholder);
    edit->setFixedSize(px(314), px(32));
    return edit;
}

QWidget *form(QLineEdit **focusTarget)
{
    auto *form = new QWidget;
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(px(34));
    grid->setVerticalSpacing(px(6));
    grid->addWidget(styled(new QLabel("Connect to LDAP server"), "welcome_title"), 0, 0, 1, 2, Qt::AlignHCenter);
    const struct { const char *label; const char *key; const char *text; const char *placeholder; } rows[] = {
        {"LDAP local IP", "ldap_info_edit", "10.0.4.21", "192.168.1.10"},
        {"Base DN", "edit_warn", "", "dc=example,dc=corp,dc=local"},
        {"Bind DN", "ldap_info_edit", "", "cn=administrator,dc=test,dc=us"},
    };
    int row = 1;
    for (const auto &entry : rows) {
        auto *label = styled(new QLabel(required(entry.label)), "ldap_info_label");
        label->setFixedSize(px(160), px(32));
        grid->addWidget(label, row, 0);
        auto *edit = field(entry.key, entry.text, entry.placeholder);
        grid->addWidget(edit, row++, 1);
        // The first field shows the focus look.
        if (!*focusTarget)
            *focusTarget = edit;
        if (QString(entry.key) == "edit_warn") {
            auto *warning = styled(new QLabel("This field is required."), "warning_label");
            warning->adjustSize();
            warning->setFixedHeight(px(32));
            grid->addWidget(warning, row++, 1, Qt::AlignLeft);
        }
    }
    auto *protocol = styled(new QComboBox, "protocol_combobox");
    protocol->addItems({"  LDAP", "  LDAPS"});
    protocol->setFixedSize(px(314), px(32));
    auto *protocolLabel = styled(new QLabel(required("Protocol")), "ldap_info_label");
    protocolLabel->setFixedSize(px(160), px(32));
    grid->addWidget(protocolLabel, row, 0);
    grid->addWidget(protocol, row++, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(px(12));
    buttons->addStretch(1);
    for (const auto &[text, key] : {std::pair{"Back", "aerum_button_grey"}, std::pair{"Next", "aerum_button"}}) {
        auto *button = styled(new QPushButton(text), key);
        button->setFixedSize(px(125), px(36));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    grid->setRowMinimumHeight(row++, px(10));
    grid->addLayout(buttons, row, 0, 1, 2);
    return form;
}

// The window behind a sheet, as the mask dims it.
QWidget *warningSheet()
{
    auto *window = new QWidget;
    window->setFixedSize(px(560), px(250));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(235, 235, 235));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto *sheet = new OrvaMessageSheet(OrvaMessageSheet::Warning,
                                       "Unable to connect to the LDAP server. Make sure you have Internet access "
                                       "and the correct LDAP information.",
                                       window);
    sheet->setStyleSheet(getStyleSheet("message_sheet_warning", false));
    sheet->setFixedSize(px(480), px(176));
    sheet->move((window->width() - sheet->width()) / 2, (window->height() - sheet->height()) / 2);
    return window;
}

} // namespace

QWidget *createAgentBoard()
{
    auto *board = new QWidget;
    auto *layout = new QVBoxLayout(board);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(px(16));
    layout->addWidget(heading("Agent"));
    layout->addWidget(statusPage());
    QLineEdit *focused = nullptr;
    layout->addWidget(form(&focused), 0, Qt::AlignHCenter);
    layout->addWidget(warningSheet(), 0, Qt::AlignHCenter);
    layout->addStretch(1);
    focused->setObjectName("focused");
    return board;
}
