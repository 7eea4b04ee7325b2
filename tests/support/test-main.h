#pragma once

#include <QtTest>

#include "test-main.h"

// What every test program needs of its environment, set before the
// application object reads it, whatever the caller's shell exports: the
// offscreen platform; a screen at 96 DPI without scaling, desktop style or
// theme; the C locale with no language list, so that the checks read English
// texts; Qt's own logging rules; and no data root or service endpoint of an
// agent the caller may be running. A test that needs another value sets it
// itself, for its own process or for the child it starts.
inline void setTestEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    for (const char *name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
          "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DEVICE_PIXEL_RATIO", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI",
          "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "QT_LOGGING_RULES", "QT_LOGGING_CONF", "LANGUAGE",
          "LODESTAR_DATA_DIR", "LODESTAR_SERVICE_ENDPOINT"})
        qunsetenv(name);
}

// QTEST_MAIN and QTEST_GUILESS_MAIN in that environment.
#define LODESTAR_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        setTestEnvironment(); \
        QTEST_MAIN_IMPL(TestObject) \
    }

#define LODESTAR_TEST_GUILESS_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        setTestEnvironment(); \
        QCoreApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    }
