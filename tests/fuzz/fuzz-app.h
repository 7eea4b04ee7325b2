#pragma once

#include <QGuiApplication>
#include <QLoggingCategory>

// For targets whose code reads the screen: one offscreen application for the
// whole run, with the library's warnings (category "debug.message") switched
// off as the agent has them. Never destroyed, so nothing depends on the order
// in which the process tears down.
inline void startGuiApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("debug.message=false"));
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    (void)application;
}
