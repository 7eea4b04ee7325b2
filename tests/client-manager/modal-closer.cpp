#include "modal-closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "sheets/message-sheet.h"

namespace {

QString sheetText(const OrvaMessageSheet &sheet)
{
    QStringList texts;
    for (const QLabel *label : sheet.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            texts << label->text();
    return texts.join('\n');
}

} // namespace

ModalCloser::ModalCloser(int hold)
    : holdMs(hold)
{
    connect(&poll, &QTimer::timeout, this, &ModalCloser::look);
    poll.start(10);
}

void ModalCloser::look()
{
    if (holding)
        return;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (!widget->isVisible())
            continue;
        if (auto *sheet = qobject_cast<OrvaMessageSheet *>(widget)) {
            seen << Seen{"sheet", sheetText(*sheet), QString::fromLatin1(sheet->window()->metaObject()->className())};
            holding = sheet;
            QTimer::singleShot(holdMs, sheet, [this, sheet] {
                holding = nullptr;
                sheet->button(QMessageBox::Ok)->click();
            });
            return;
        }
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            seen << Seen{"box", box->text(), QString()};
            holding = box;
            QTimer::singleShot(holdMs, box, [this, box] {
                holding = nullptr;
                box->buttons().constFirst()->click();
            });
            return;
        }
    }
}
