// The window tests run the real window on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/app_setup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hazama::install_font_substitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
