#include <gtest/gtest.h>

#include <QApplication>

#include "platform/Fonts.h"

int main(int argc, char** argv) {
    // Test discovery runs this binary too, so the platform is set here as
    // well as in the test environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    fonts::registerApplicationFonts();
    return RUN_ALL_TESTS();
}
