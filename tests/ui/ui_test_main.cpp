// GoogleTest main for the widget tests: one QApplication for the whole run.
// Listing the tests needs no display, so no application is made for it.
// On the offscreen platform the screen is a desktop's usual 1920x1080 rather
// than the platform's 800x600, so that windows kept to the screen can grow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TAVRIK_OFFSCREEN_SCREEN);
    QApplication application(argc, argv);
    // History and memory an app keeps at exit go to a folder of the run's own.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    return RUN_ALL_TESTS();
}
