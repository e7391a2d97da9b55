// The window tests run offscreen, with one application object for all.

#include <QApplication>
#include <gtest/gtest.h>

#include "shell/Shell.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dorvane::shell::ApplyApplicationStyle();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
