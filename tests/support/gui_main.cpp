// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the GUI test programs: one QApplication for the whole run, then GoogleTest.
#include "platform/traduzioni.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The build lists the cases without the test environment: windows go offscreen unless asked.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    spintaro::installaTraduzioniQt(app); // as the program does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
