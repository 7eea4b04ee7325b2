#include "sheets/sheet-session.h"

#include "sheets/window-close-item.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>

SheetSession::SheetSession(QWidget *sheet)
    : m_sheet(sheet)
{
}

SheetSession::~SheetSession()
{
    if (m_loop)
        m_loop->exit(0);
}

void SheetSession::begin(bool greyClose)
{
    m_sheet->show();
    if (greyClose)
        enableWindowCloseItem(m_sheet->window(), false);
    m_sheet->window()->installEventFilter(m_sheet);
}

int SheetSession::wait()
{
    // The loop lives on this stack frame, not in the sheet: whoever deletes
    // the sheet meanwhile must not pull the running loop out from under us.
    QEventLoop loop;
    m_loop = &loop;
    const QPointer<QWidget> alive(m_sheet);
    const int ret = loop.exec();
    if (alive)
        m_loop = nullptr;
    return ret;
}

void SheetSession::end(int ret, bool enableClose)
{
    if (enableClose)
        enableWindowCloseItem(m_sheet->window(), true);
    if (m_loop)
        m_loop->exit(ret);
    m_sheet->window()->removeEventFilter(m_sheet);
    m_sheet->hide();
}

bool refuseClose(QEvent *event)
{
    if (event->type() != QEvent::Close)
        return false;
    event->ignore();
    return true;
}

bool clickButtonForKey(QDialogButtonBox *box, int key)
{
    switch (key) {
    case Qt::Key_Escape:
        if (QPushButton *discard = box->button(QDialogButtonBox::Discard))
            discard->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        QPushButton *accept = box->button(QDialogButtonBox::Ok);
        if (!accept)
            accept = box->button(QDialogButtonBox::Apply);
        if (accept)
            accept->click();
        return true;
    }
    default:
        return false;
    }
}
