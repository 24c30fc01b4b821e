// The main function of the tests that drive the real window: a QApplication
// on the offscreen platform, set up as the program sets up its own.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/qt/qt_form.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velmora::QtForm::prepareApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
