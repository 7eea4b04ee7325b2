// A program outside the project: it knows orvakit only through the
// installed package, and fails unless a message sheet over its window runs
// and ends with the code it was given.
#include "sheets/message-sheet.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(600, 400);
    window.show();

    const int expected = 42;
    OrvaMessageSheet sheet(OrvaMessageSheet::Information, "Found through find_package.", &window);
    // Once the sheet's loop runs; a sheet that is not showing gives -3.
    QTimer::singleShot(0, &sheet, [&sheet] { sheet.done(sheet.isVisible() ? expected : -3); });
    // Should the first timer not end the sheet, -2 ends it instead of a hang.
    QTimer::singleShot(60000, &sheet, [&sheet] { sheet.done(-2); });
    const int result = sheet.exec();

    if (result != expected) {
        std::fprintf(stderr, "the message sheet ended with %d instead of %d\n", result, expected);
        return 1;
    }
    std::printf("the message sheet ended with %d\n", result);
    return 0;
}
