// What the desktop app keeps while it runs and how it ends: the state file
// written a moment after each change (formula panel included), the exit
// signals, and the call of a second start.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "textfile/cp932.h"
#include "ui/platform/exit_signals.h"
#include "ui/platform/running_copy.h"
#include "ui/window/calculator_app.h"
#include "ui/window/kept_state_schedule.h"

namespace tavrik::ui {
namespace {

namespace fs = std::filesystem;

class KeepingTest : public ::testing::Test {
  protected:
    KeepingTest()
        : dir(fs::temp_directory_path() /
              ("tavrik-keeping-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~KeepingTest() override { fs::remove_all(dir); }

    void start(std::string_view globalLines) {
        std::ofstream(dir / "Tavrik.ini", std::ios::binary)
            << cp932::Encode("[Tavrik]\r\nSet=A\r\n" + std::string(globalLines) +
                             "KeyN107=++++\r\nKeyN13=====\r\n[A]\r\nDisp=DBMFSH\r\n");
        app.emplace(SettingsFile(dir / "Tavrik.ini"), kept);
        app->window().show();
    }
    void type(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys) QTest::keyClick(&app->window(), key);
    }
    QPlainTextEdit* editor() { return app->window().findChild<QPlainTextEdit*>("memF"); }
    QAction* autoAnswer() { return app->window().findChild<QAction*>("pmnFAuto"); }
    // The kept file once it holds what `holds` looks for, waited for while
    // the event loop runs; none when it never does.
    std::optional<KeptState> keptWhen(const std::function<bool(const KeptState&)>& holds) {
        std::optional<KeptState> state;
        const bool held = QTest::qWaitFor([&] {
            state = LoadKeptState(kept).state;
            return state && holds(*state);
        });
        return held ? state : std::nullopt;
    }

    fs::path dir;
    fs::path kept = dir / "state" / "state.txt";
    std::optional<CalculatorApp> app;
};

TEST_F(KeepingTest, EachChangeIsKeptAMomentLaterWhileTheProgramRuns) {
    start("KeepState=1\r\n");
    type({Qt::Key_1, Qt::Key_2});
    QTest::keyClick(&app->window(), Qt::Key_Plus, Qt::KeypadModifier);
    type({Qt::Key_3, Qt::Key_Return});
    EXPECT_FALSE(fs::exists(kept)) << "never written inside the key path";
    const std::vector<std::string> sum{"1: 12", "#+", "2: 3", "#="};
    EXPECT_TRUE(keptWhen([&](const KeptState& state) { return state.lists[0] == sum; }));

    app->calculator().storeMemory(1);
    EXPECT_TRUE(keptWhen([](const KeptState& state) { return state.memory[1] == "15"; }));

    QTest::keyClicks(editor(), "1+1");
    autoAnswer()->trigger();
    EXPECT_TRUE(keptWhen([](const KeptState& state) {
        return state.sheet == KeptState::Sheet{"1+1", true};
    }));

    // The sheet and its switch come back with the next start.
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "2*3");
    app.reset();
    start("KeepState=1\r\n");
    EXPECT_EQ(editor()->toPlainText(), "1+1\n2*3");
    EXPECT_TRUE(autoAnswer()->isChecked()) << "the kept check wins over the set's AutoF";
}

TEST_F(KeepingTest, NothingIsKeptWithTheSwitchOff) {
    start("");
    type({Qt::Key_1, Qt::Key_Return});
    QTest::keyClicks(editor(), "1+1");
    QTest::qWait(kKeptStateDelayMs * 2);  // nothing may come: no condition to wait for
    EXPECT_FALSE(fs::exists(kept));
    app.reset();
    EXPECT_FALSE(fs::exists(kept));
    start("");
    EXPECT_EQ(editor()->toPlainText(), "");
}

TEST_F(KeepingTest, TheSessionEndSavesWhatAnExitSaves) {
    start("Save=1\r\nKeepState=1\r\n");
    type({Qt::Key_7, Qt::Key_Return});
    app->saveNow();
    EXPECT_TRUE(LoadKeptState(kept).state);
    std::ifstream ini(dir / "Tavrik.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(text.find("Width="), std::string::npos);
}

// A signal ends the event loop, a modal box's too, and only once.
TEST(ExitSignalsTest, ASignalEndsEveryEventLoop) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const ExitSignals exitSignals;
        bool boxEnded = false;
        QTimer::singleShot(0, [&] {
            QMessageBox box(QMessageBox::Information, "Tavrik", "x");
            QTimer::singleShot(0, [signal] { std::raise(signal); });
            box.exec();
            boxEnded = true;
            std::raise(signal);  // a second one during the exit only fills the pipe
        });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(boxEnded) << signal;
    }
}

class RunningCopyTest : public ::testing::Test {
  protected:
    QString socket = QString::fromStdString(
        (fs::temp_directory_path() /
         ("tavrik-call-" +
          std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
            .string());
    ~RunningCopyTest() override { fs::remove(socket.toStdString()); }
};

// A socket left by a copy that was killed: the next copy listens in its
// place, and a caller that finds nobody ends at once.
TEST_F(RunningCopyTest, AStaleSocketNeitherBlocksNorStays) {
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socket.toStdString();
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    EXPECT_FALSE(AskRunningCopyToShow(socket));

    int shown = 0;
    ShowRequests requests(socket, [&] { ++shown; });
    ASSERT_TRUE(requests.listening());
    EXPECT_TRUE(AskRunningCopyToShow(socket));
    QTRY_COMPARE(shown, 1);
}

}  // namespace
}  // namespace tavrik::ui
