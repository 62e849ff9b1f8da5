// The desktop app's start-up from Tavrik.ini and the window state it writes
// back at exit when "Save" is on.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <limits>

#include "settings/key_codes.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "ui/window/calculator_app.h"
#include "ui/window/window_placement.h"

namespace tavrik::ui {
namespace {

namespace fs = std::filesystem;

class SettingsStartupTest : public ::testing::Test {
  protected:
    SettingsStartupTest()
        : dir(fs::temp_directory_path() /
              ("tavrik-ui-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~SettingsStartupTest() override { fs::remove_all(dir); }

    void writeIni(std::string_view utf8) {
        std::ofstream(dir / "Tavrik.ini", std::ios::binary) << cp932::Encode(utf8);
    }
    std::string readIni() { return cp932::Decode(ReadFile(dir / "Tavrik.ini").bytes).value_or(""); }

    fs::path dir;
};

TEST_F(SettingsStartupTest, StartsInTheSavedModeAndWritesTheStateBack) {
    writeIni(
        "[Tavrik]\r\nSave=1\r\nMode=H\r\nWidth=500\r\nHeight=420\r\nLeft=-999\r\nTop=40\r\n"
        "[作業]\r\nMode=T\r\n");
    {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"));
        EXPECT_EQ(app.calculator().mode(), CalcMode::Mixed) << "the global Mode wins with Save";
        EXPECT_EQ(app.window().geometry().width(), 500);
        EXPECT_EQ(app.window().geometry().height(), 420);
        // A saved left edge off the screen comes back onto it.
        EXPECT_TRUE(ScreensAvailableArea().contains(app.window().geometry()));
        EXPECT_EQ(app.window().findChild<QLabel*>("stxC")->text(), "d 0");
        app.calculator().switchMode(CalcMode::Date);
    }
    const std::string saved = readIni();
    EXPECT_NE(saved.find("Mode=C\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Width=500\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[作業]\r\nMode=T"), std::string::npos) << "the set is left alone";
}

// Kept by the desktop smaller than its panels even at the smallest zoom,
// the window is saved at the size they need.
TEST_F(SettingsStartupTest, ASizeThatCutsPanelsIsNotSaved) {
    writeIni("[Tavrik]\r\nSave=1\r\n");
    QSize needed;
    {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"));
        app.window().show();
        app.window().windowHandle()->resize(60, 40);
        QTest::qWait(0);
        needed = app.window().minimumSize();
        ASSERT_GT(needed.width(), 60);
    }
    const std::string saved = readIni();
    EXPECT_NE(saved.find("Width=" + std::to_string(needed.width()) + "\r\n"), std::string::npos)
        << saved;
}

TEST_F(SettingsStartupTest, HistoryAndMemoryAreKeptOnlyWhenAskedTo) {
    const fs::path kept = dir / "state" / "tavrik" / "state.txt";
    const auto run = [&](const std::function<void(Calculator&)>& use) {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"), kept);
        use(app.calculator());
    };
    writeIni("[Tavrik]\r\n");
    run([](Calculator& calc) { calc.PushBBtn(2); });
    EXPECT_FALSE(fs::exists(kept)) << "off: nothing is written";

    writeIni("[Tavrik]\r\nKeepState=1\r\n");
    run([](Calculator& calc) {
        for (int code : {2, int{kAdd}, int{kMemoryAdd}}) calc.PushBBtn(code);
    });
    ASSERT_TRUE(fs::exists(kept));
    run([](Calculator& calc) {
        EXPECT_EQ(calc.memory().texts[0], "1");
        EXPECT_EQ(calc.history().current().lines, (HistoryLines{"1: 1", "#+"}));
        calc.editSettings([](GlobalSettings& s) { s.KeepState = false; });
    });
    EXPECT_FALSE(fs::exists(kept)) << "turning it off deletes the kept state";

    // A torn file is refused with a box and set aside, replacing an older
    // one, and the calculator starts cleared.
    const std::string torn = "Tavrik state 1\r\nCurrent=0\r\nMem";
    std::ofstream(kept, std::ios::binary) << torn;
    std::ofstream(dir / "state" / "tavrik" / "state.txt.bad", std::ios::binary) << "older";
    std::vector<QString> boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes.push_back(box->text());
            box->accept();
        }
    });
    closer.start(0);
    run([](Calculator& calc) {
        EXPECT_EQ(calc.displayText(), "0");
        EXPECT_EQ(calc.memory().texts[0], "0");
    });
    ASSERT_EQ(boxes.size(), 1u);
    const fs::path aside = dir / "state" / "tavrik" / "state.txt.bad";
    EXPECT_EQ(boxes[0].toStdString(),
              "保存された履歴とメモリーが壊れているため、読み込みませんでした\n"
              "読み込めなかったファイルは次の名前で残しました\n" +
                  aside.string());
    EXPECT_EQ(ReadFile(aside).bytes, torn);
    EXPECT_TRUE(LoadKeptState(kept).state) << "the exit saved a whole file";

    // Without a place for the file nothing is written, and a box says why.
    boxes.clear();
    const auto before = std::distance(fs::recursive_directory_iterator(dir), {});
    {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"), fs::path());
        app.calculator().PushBBtn(kMemoryAdd);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].startsWith("履歴とメモリーを残す場所がありません"))
        << boxes[0].toStdString();
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir), {}), before);
}

// A screen reader hears the lines a calculation adds, never the kept ones.
TEST_F(SettingsStartupTest, KeptHistoryIsShownButNotAnnounced) {
    const fs::path kept = dir / "state.txt";
    writeIni("[Tavrik]\r\nKeepState=1\r\nSet=履歴\r\n[履歴]\r\nDisp=DBHS\r\n");
    for (int run = 0; run < 2; ++run) {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"), kept);
        auto* list = app.window().findChild<QAbstractItemView*>("lstHD");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->model()->rowCount(), 2 * run) << "the kept lines are shown at once";
        for (int code : {kDigit0 + 2 + run, int{kAdd}}) {
            app.calculator().PushBBtn(code);
            EXPECT_FALSE(list->accessibleDescription().contains(QStringLiteral("1: 2")) && run > 0)
                << "a kept line was announced: " << list->accessibleDescription().toStdString();
        }
        EXPECT_TRUE(list->accessibleDescription().startsWith(QStringLiteral("新しい行: ")));
    }
}

TEST_F(SettingsStartupTest, WithoutSaveTheSetModeDecidesAndNothingIsWritten) {
    const std::string text = "[Tavrik]\r\nSet=作業\r\nMode=H\r\nWidth=500\r\n[作業]\r\nMode=T\r\n";
    writeIni(text);
    {
        CalculatorApp app(SettingsFile(dir / "Tavrik.ini"));
        EXPECT_EQ(app.calculator().mode(), CalcMode::Time);
        EXPECT_NE(app.window().geometry().width(), 500);
    }
    EXPECT_EQ(readIni(), text);
}

TEST(WindowBoundsTest, SavedBoundsAreKeptToTheScreens) {
    for (const int value : {std::numeric_limits<int>::max(), 1000000}) {
        GlobalSettings settings;
        settings.Save = true;
        settings.Width = settings.Height = settings.Left = settings.Top = value;
        CalculatorApp app(std::move(settings));
        EXPECT_TRUE(ScreensAvailableArea().contains(app.window().geometry()))
            << value << ": " << app.window().geometry().width();
    }
}

TEST_F(SettingsStartupTest, AMissingFileIsMadeFromTheStarterFile) {
    std::ofstream(dir / "TavrikS.ini", std::ios::binary) << "[Tavrik]\r\nKK3=1\r\nTax=8\r\n";
    CalculatorApp app(SettingsFile(dir / "Tavrik.ini"));
    EXPECT_TRUE(fs::exists(dir / "Tavrik.ini"));
    EXPECT_TRUE(app.calculator().grouping());
    EXPECT_EQ(app.calculator().settings().Tax, 8);
}

}  // namespace
}  // namespace tavrik::ui
