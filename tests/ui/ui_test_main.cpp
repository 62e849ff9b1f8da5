// GoogleTest main for the widget tests: one QApplication for the whole run.
// Listing the tests needs no display, so no application is made for it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    // History and memory an app keeps at exit go to a folder of the run's own.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    return RUN_ALL_TESTS();
}
