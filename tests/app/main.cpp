// The window tests run the real window on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/app_setup.h"
#include "modal_watch.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hazama::install_font_substitutions();
    ::testing::InitGoogleTest(&argc, argv);
    // A dialog nobody answers fails its test instead of holding up the suite.
    const hazama::ModalWatch watch;
    return RUN_ALL_TESTS();
}
