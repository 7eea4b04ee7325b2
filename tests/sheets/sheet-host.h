#pragma once

#include <QtTest>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "modal-rescue.h"

// A shown, active window with a focusable widget of its own, made before any
// sheet: what a sheet must keep the keyboard away from.
class HostWindow : public QWidget
{
public:
    explicit HostWindow(const QSize &size = QSize(600, 400))
        : behind(new QLineEdit(this))
    {
        behind->setGeometry(10, 10, 200, 28);
        resize(size);
        show();
        activateWindow();
    }

    bool isActive() { return QTest::qWaitForWindowActive(this); }

    QLineEdit *behind;
};

// Runs the sheet with `action` done once its loop is up. A sheet that a
// failed check in the action or the action itself left running is ended with
// ModalRescue::kEnded rather than hanging the test program.
template<class Sheet>
int runWith(Sheet &sheet, const std::function<void()> &action)
{
    const ModalRescue rescue;
    QTimer::singleShot(0, &sheet, action);
    return sheet.exec();
}

// Types `key` where the user would: into the widget that has the focus, from
// where Qt passes unused keys up to the window.
inline void typeKey(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClick(target, key);
}
