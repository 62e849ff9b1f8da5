#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "history/history_file.h"
#include "history/history_list.h"
#include "support/calculator_fixture.h"
#include "support/file_size_limit.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;

class HistoryFileTest : public testing::CalculatorTest {
  protected:
    HistoryFileTest() {
        dir =
            fs::temp_directory_path() /
            ("tavrik-history-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~HistoryFileTest() override { fs::remove_all(dir); }

    std::vector<std::string> fileLines(const fs::path& path) {
        const FileRead read = ReadFile(path);
        EXPECT_TRUE(read.ok());
        std::vector<std::string> lines;
        const std::string text = cp932::Decode(read.bytes).value_or("");
        std::size_t start = 0;
        while (start < text.size()) {
            const auto end = text.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
            if (end == std::string::npos) break;
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    void writeBytes(const fs::path& path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir;
    std::string file;  // the file the commands are given
};

TEST_F(HistoryFileTest, WritesSectionsWithoutLineNumbers) {
    start();
    keys("12+345=");
    file = (dir / "h.txt").string();
    calc.writeHistoryFile(file);
    calc.writeHistoryFile(file);
    const std::vector<std::string> section = {
        "*** Tavrik 履歴 2024/5/3 14:25", "Mode:D", "12", "#+", "345", "#="};
    std::vector<std::string> twice = section;
    twice.insert(twice.end(), section.begin(), section.end());
    EXPECT_EQ(fileLines(dir / "h.txt"), twice);
}

TEST_F(HistoryFileTest, TheFileNamesTheModeItWasWrittenIn) {
    start(CalcMode::Mixed);
    keys("7+1=");
    file = (dir / "h.txt").string();
    calc.writeHistoryFile(file);
    EXPECT_EQ(fileLines(dir / "h.txt").at(1), "Mode:H");
    calc.switchMode(CalcMode::Decimal);
    calc.readHistoryFile(file);
    EXPECT_TRUE(historyLines().empty()) << "a mixed-mode section is not read in decimal mode";
}

TEST_F(HistoryFileTest, ALongListIsWrittenAsEachLineEncodedAlone) {
    // Texts that encode unevenly, or not at all, including bytes that are
    // not UTF-8 at the end of a line, in a list long enough for many writes.
    const std::vector<std::string> texts = {
        "12,345.6", "#+", "３時", "a😀b", "x\xE3\x81", "\xFF", "", "ａ～ｂ", "--- AC ---",
    };
    constexpr std::size_t kLines = 40'000;
    NullView quiet;
    History history(quiet);
    history.setOptions(0, 1);
    std::string expected = cp932::Encode("*** Tavrik 履歴 2024/5/3 14:25\r\nMode:T\r\n");
    for (std::size_t i = 0; i < kLines; ++i) {
        const std::string& text = texts[i % texts.size()];
        history.AddHList(text, kValueLine);
        expected += cp932::Encode(text) + "\r\n";
    }
    const fs::path path = dir / "h.txt";
    ASSERT_TRUE(WriteHistoryFile(path, CalcMode::Time, history.current().lines, clock.now()));
    const std::string bytes = ReadFile(path).bytes;
    const auto [at, _] =
        std::mismatch(bytes.begin(), bytes.end(), expected.begin(), expected.end());
    EXPECT_TRUE(bytes == expected) << "first difference at byte " << at - bytes.begin();
}

TEST_F(HistoryFileTest, ReadsSectionsOfTheCurrentModeOnly) {
    writeBytes(dir / "h.txt",
               cp932::Encode("*** Tavrik 履歴 2024/5/3 14:05\r\nMode:T\r\n3時\r\n"
                             "*** Tavrik 履歴 2024/5/3 14:06\r\nMode:D\r\n12: 345\r\n#+\r\n"
                             "\r\n--- AC ---\r\n"));
    start();
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 345", "2: #+", "3: --- AC ---"}));
    calc.switchMode(CalcMode::Time);
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 3時"}));
}

TEST_F(HistoryFileTest, AcceptsLfLinesAndInvalidBytes) {
    writeBytes(dir / "h.txt", "Mode:D\n5\n\x82\n#=\n");
    start();
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 5", "2: \xEF\xBF\xBD", "3: #="}));
}

TEST_F(HistoryFileTest, ReplayOfAnUnreadableFunctionNumberShowsTheConversionFailure) {
    writeBytes(dir / "h.txt", "Mode:D\r\n#Fx1 (f)\r\n");
    start();
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    calc.selectHistoryLine(0);
    calc.replayHistoryLine();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0], "'x1' is not a valid integer value");
    EXPECT_EQ(display(), "0");
}

TEST_F(HistoryFileTest, AReplayedLineOfManyDigitsKeepsItsValue) {
    writeBytes(dir / "h.txt", "Mode:D\r\n" + std::string(310, '9') + "\r\n");
    start();
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    calc.selectHistoryLine(0);
    calc.replayHistoryLine();
    keys("/1=");
    EXPECT_EQ(display(), "1E310");
    EXPECT_EQ(calc.status().strip(), "");
}

TEST_F(HistoryFileTest, AFileWithoutModeLinesAddsNothing) {
    writeBytes(dir / "h.txt", "5\r\n6\r\n");
    start();
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    EXPECT_TRUE(historyLines().empty());
}

TEST_F(HistoryFileTest, ReadingStopsAtTheHistoryLimit) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].MaxLineH = 6; });
    start();
    keys("1+2+");
    ASSERT_EQ(historyLines().size(), 4u);
    writeBytes(dir / "h.txt", "Mode:D\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    file = (dir / "h.txt").string();
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines().size(), 6u);
    EXPECT_EQ(view.boxes, std::vector<std::string>{"履歴数が最大値に達しています"});
}

TEST_F(HistoryFileTest, UnreadableAndUnwritableFiles) {
    start();
    file = (dir / "missing.txt").string();
    calc.readHistoryFile(file);
    file = (dir / "no" / "folder.txt").string();
    calc.writeHistoryFile(file);
    EXPECT_EQ(view.boxes, (std::vector<std::string>{"ファイルが開けませんでした",
                                                    "ファイルが作成できませんでした"}));
}

// A file past the bound (sparse, so the test costs no disk) is refused before
// anything is read into memory; the list keeps its lines.
TEST_F(HistoryFileTest, AFileLargerThanTheBoundIsRefused) {
    const fs::path huge = dir / "huge.txt";
    writeBytes(huge, "Mode:D\r\n5\r\n");
    fs::resize_file(huge, kMaxHistoryFileBytes + 1);
    start();
    keys("7+");
    const auto before = historyLines();
    file = huge.string();
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), before);
    EXPECT_EQ(view.boxes,
              std::vector<std::string>{"ファイルが開けませんでした（ファイルが大きすぎます）"});
}

// A write killed mid-way leaves a last line without its line end; in a file
// of ours that is a cut value and is not read, while a file written by
// another tool, whose last line often has no line end, is read to the end.
TEST_F(HistoryFileTest, ACutLastLineOfOurSectionIsNotRead) {
    start();
    file = (dir / "h.txt").string();
    writeBytes(dir / "h.txt",
               cp932::Encode("*** Tavrik 履歴 2024/5/3 14:05\r\nMode:D\r\n12\r\n34"));
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), std::vector<std::string>{"1: 12"});
    calc.clearHistory();
    writeBytes(dir / "h.txt", "Mode:D\r\n12\r\n34");
    calc.readHistoryFile(file);
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 12", "2: 34"}));
}

// A file marked read-only is refused by every save, even for root: the
// history file and the log as the settings and the sheet.
TEST_F(HistoryFileTest, AReadOnlyFileIsNotAppendedTo) {
    const fs::path path = dir / "kept.txt";
    writeBytes(path, "kept\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    start();
    keys("1+");
    file = path.string();
    calc.writeHistoryFile(file);
    EXPECT_FALSE(calc.startLog(file));
    EXPECT_EQ(view.boxes, (std::vector<std::string>{"ファイルが作成できませんでした",
                                                    "ファイルが作成できませんでした"}));
    EXPECT_EQ(ReadFile(path).bytes, "kept\r\n");
}

TEST_F(HistoryFileTest, WrittenCalculationReplaysToTheSameResult) {
    start();
    keys("12*3+4=");
    const std::string result = display();
    file = (dir / "h.txt").string();
    calc.writeHistoryFile(file);
    calc.clearHistory();
    calc.PushBBtn(kAllClear);
    calc.readHistoryFile(file);
    calc.selectHistoryLine(0);
    for (std::size_t i = 0; i < 6; ++i) calc.replayHistoryLine();
    EXPECT_EQ(display(), result);
}

using LogTest = HistoryFileTest;

TEST_F(LogTest, LogsACalculationWithItsKeyTrace) {
    start();
    keys("5");
    file = (dir / "calc.log").string();
    ASSERT_TRUE(calc.startLog(file));
    EXPECT_STREQ(calc.log().windowTitle(), "Tavrik *** ログ取得中 ***");
    EXPECT_STREQ(calc.log().menuCaption(), "ログ（終了）");
    keys("+3=R");
    calc.PushBBtn(kAllClear);
    calc.switchMode(CalcMode::Mixed);
    keys("1/0=");
    calc.stopLog();
    EXPECT_STREQ(calc.log().windowTitle(), "Tavrik");
    const auto lines = fileLines(dir / "calc.log");
    const std::string trace = lines.at(1);
    EXPECT_EQ(trace.substr(trace.size() - 5), "|6|19") << "keys since start, ending with 5 +";
    const std::vector<std::string> rest(lines.begin() + 2, lines.end());
    EXPECT_EQ(lines[0], "*** Tavrik ログ (2024/5/3 14:25)");
    EXPECT_EQ(rest, (std::vector<std::string>{"5 + [5]", "|4|23", "3 = [8]", "|25", "8 (+/-) [-8]",
                                              "|31", "--- AC ---", "Mode Change: 混合", "|31",
                                              "--- AC ---", "|2|22", "d 1 / [d 1]", "|1|23",
                                              "０除算エラー", "d 0 = [d 1]"}));
}

TEST_F(LogTest, EachLineIsInTheFileBeforeTheNextKeyPress) {
    start();
    file = (dir / "calc.log").string();
    ASSERT_TRUE(calc.startLog(file));
    keys("2+3=");
    const std::string bytes = ReadFile(dir / "calc.log").bytes;
    EXPECT_TRUE(bytes.ends_with("\r\n|4|23\r\n3 = [5]\r\n")) << bytes;
}

TEST_F(LogTest, AppendsToAnExistingLog) {
    writeBytes(dir / "calc.log", "old line\r\n");
    start();
    file = (dir / "calc.log").string();
    calc.startLog(file);
    calc.PushBBtn(kAllClear);
    calc.stopLog();
    const auto lines = fileLines(dir / "calc.log");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "old line");
    EXPECT_EQ(lines.back(), "--- AC ---");
}

TEST_F(LogTest, AFailedWriteIsReportedOnceAndStopsLogging) {
    start();
    file = (dir / "calc.log").string();
    const testing::FileSizeLimit full(0);
    EXPECT_FALSE(calc.startLog(file)) << "the header cannot be written";
    EXPECT_EQ(view.boxes, std::vector<std::string>{"ファイルが作成できませんでした"});
    EXPECT_FALSE(calc.log().active());
}

// A FIFO would make reading wait for a writer, and opening for appending
// wait for a reader; both are refused at once.
TEST_F(LogTest, FifosAreRefusedForReadingHistoryAndForTheLog) {
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    start();
    file = fifo.string();
    calc.readHistoryFile(file);
    EXPECT_FALSE(calc.startLog(file));
    EXPECT_EQ(view.boxes, (std::vector<std::string>{
                              "ファイルが開けませんでした（通常のファイルではありません）",
                              "ファイルが作成できませんでした（通常のファイルではありません）"}));
}

}  // namespace
}  // namespace tavrik
