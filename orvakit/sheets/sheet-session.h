#pragma once

class QDialogButtonBox;
class QEvent;
class QEventLoop;
class QWidget;

// What every sheet does while it runs: it watches its top-level window
// (refusing Close, taking keys), greys the window's Close command, and
// exec() waits in a local event loop until the sheet ends.
class SheetSession
{
public:
    explicit SheetSession(QWidget *sheet);
    // A sheet destroyed while exec() waits (its window went away) lets
    // exec() return 0 instead of waiting forever.
    ~SheetSession();

    SheetSession(const SheetSession &) = delete;
    SheetSession &operator=(const SheetSession &) = delete;

    bool isWaiting() const { return m_loop != nullptr; }

    // Shows the sheet, greys the Close command when asked, watches the window.
    void begin(bool greyClose);
    // Waits in a local event loop; returns the code end() was given.
    int wait();
    // Enables the Close command when asked, ends the wait with `ret`, stops
    // watching the window and hides the sheet (and with it its mask).
    void end(int ret, bool enableClose);

private:
    QWidget *m_sheet;
    QEventLoop *m_loop = nullptr;
};

// A Close event is marked ignored and reported as consumed; any other event
// is left alone and false returned.
bool refuseClose(QEvent *event);

// The keys both sheets map to their buttons: Escape clicks Discard, Return,
// Enter and Space click the first of Ok and Apply. Returns whether `key` is
// one of them (then it is consumed even when there is no such button, or
// the button is disabled and ignores the click).
bool clickButtonForKey(QDialogButtonBox *box, int key);
