// The one QGuiApplication of the asset tests that measure text with the real fonts.
#pragma once

#include <QGuiApplication>

namespace hazama::testing {

inline QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "asset_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

}  // namespace hazama::testing
