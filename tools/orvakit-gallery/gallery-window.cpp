#include "gallery-window.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "sheets/input-sheet.h"
#include "sheets/mask.h"
#include "sheets/message-sheet.h"
#include "widgets/orva-label.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

QLineEdit *lineEdit(const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setStyleSheet(getStyleSheet("component.lineedit", false));
    edit->setFixedHeight(px(28));
    return edit;
}

} // namespace

GalleryWindow::GalleryWindow(const GalleryTexts &texts, const QString &movieFile)
    : texts(texts)
    , movieFile(movieFile)
{
    setWindowTitle(texts.windowTitle);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(px(32), px(24), px(32), px(24));
    page->setSpacing(px(12));

    auto *heading = new QLabel(texts.heading);
    heading->setStyleSheet(getStyleSheet("welcome_title", false));
    page->addWidget(heading);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(px(12));
    form->setVerticalSpacing(px(8));
    form->addWidget(new OrvaLabel(texts.hostLabel), 0, 0);
    form->addWidget(lineEdit("ldap.example.com"), 0, 1);
    form->addWidget(new OrvaLabel(texts.baseDnLabel), 1, 0);
    form->addWidget(lineEdit("dc=example,dc=com"), 1, 1);
    page->addLayout(form);
    page->addStretch(1);

    auto *buttons = new QGridLayout;
    buttons->setSpacing(px(8));
    const QStringList all = kinds();
    for (int i = 0; i < all.size(); ++i) {
        auto *button = new QPushButton(all[i]);
        button->setStyleSheet(getStyleSheet("component.default_button", false));
        button->setFixedHeight(px(32));
        connect(button, &QPushButton::clicked, this, [this, kind = all[i]] {
            const int result = openSheet(kind);
            std::printf("%s ended with %d\n", qPrintable(kind), result);
            std::fflush(stdout);
        });
        buttons->addWidget(button, i / 4, i % 4);
    }
    page->addLayout(buttons);
    resize(px(760), px(520));
}

QStringList GalleryWindow::kinds()
{
    return {"warning", "confirm", "information", "input",
            "confirm-reset", "upgrading", "application", "processing"};
}

int GalleryWindow::runOnMask(OrvaMessageSheet *sheet)
{
    OrvaMask::createMask(sheet, this, OrvaMask::dimColor());
    // Sheets without buttons are ended by their owner; here, after a while.
    if (!sheet->button(QMessageBox::Ok) && !sheet->button(QMessageBox::Apply))
        QTimer::singleShot(3000, sheet, &OrvaMessageSheet::quit);
    const int result = sheet->exec();
    delete sheet;
    return result;
}

int GalleryWindow::openSheet(const QString &kind)
{
    using Sheet = OrvaMessageSheet;
    if (kind == "warning")
        return runOnMask(new Sheet(Sheet::Warning, texts.warning, texts.warningDetail, this));
    if (kind == "confirm") {
        auto *sheet = new Sheet(Sheet::Confirm, texts.confirm, this);
        sheet->setDoubleConfirmCheckBox(true, texts.confirmCheck);
        return runOnMask(sheet);
    }
    if (kind == "information")
        return runOnMask(new Sheet(Sheet::Information, texts.information, this, false));
    if (kind == "confirm-reset")
        return runOnMask(new Sheet(Sheet::ConfirmReset, texts.confirmReset, this));
    if (kind == "upgrading")
        return runOnMask(new Sheet(Sheet::Upgrading, texts.upgrading, this));
    if (kind == "application")
        return runOnMask(new Sheet(Sheet::Application, texts.processing, this));
    if (kind == "processing")
        return runOnMask(new Sheet(texts.processing, movieFile, this));
    if (kind == "input") {
        auto *sheet = new OrvaInputSheet(texts.inputPrompt, this);
        sheet->getLineEdit()->setPlaceholderText(texts.inputPlaceholder);
        OrvaMask::createMask(sheet, this, OrvaMask::dimColor());
        const int result = sheet->exec();
        if (result == QMessageBox::Ok)
            std::printf("input: %s\n", qPrintable(sheet->getContent()));
        delete sheet;
        return result;
    }
    return -1;
}
