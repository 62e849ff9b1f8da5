// The state file as an interrupted write may leave it: a torn file is never
// read as data, and a stale temporary file of a write that never finished is
// neither read nor left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "history/kept_state.h"
#include "textfile/file_io.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;

KeptState Sample() {
    KeptState state;
    state.lists[0] = {"1: 12", "#+", "2: 3", "#="};
    state.counters[0] = 2;
    state.memory[1] = "15";
    state.sheet = KeptState::Sheet{"1+1\r\n\r\n2*3 = 6", true};
    return state;
}

TEST(KeptStateFile, TheSheetComesBackAsWritten) {
    for (const std::string text : {"", "x", "a\r\n", "\r\n\r\n", "End\r\nSheet=1 1"}) {
        KeptState state = Sample();
        state.sheet->text = text;
        const KeptStateRead read = ParseKeptState(KeptStateText(state));
        ASSERT_TRUE(read.state) << read.problem;
        EXPECT_EQ(read.state->sheet, state.sheet) << text;
    }
    KeptState without = Sample();
    without.sheet.reset();
    EXPECT_FALSE(ParseKeptState(KeptStateText(without)).state->sheet) << "a file without the panel";
}

// A write cut short at any byte: refused whole, never a shorter state.
TEST(KeptStateFile, ATornFileIsNeverReadAsData) {
    const std::string whole = KeptStateText(Sample());
    const std::size_t lastLineBreak = whole.size() - 2;  // "End" alone is still whole
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const KeptStateRead read = ParseKeptState(whole.substr(0, cut));
        if (cut >= lastLineBreak) continue;
        EXPECT_FALSE(read.state) << "cut at " << cut;
        EXPECT_FALSE(read.problem.empty()) << "cut at " << cut;
    }
    for (const std::string broken : {"Sheet=2 1\r\n", "Sheet=1 0\r\n", "Sheet=1 3\r\nx\r\n"}) {
        const std::string text = whole.substr(0, whole.size() - 5) + broken + "End\r\n";
        EXPECT_FALSE(ParseKeptState(text).state) << broken;
    }
}

// The file is replaced whole: a temporary file that an interrupted write
// left beside it is not what is read, and the next write clears it away.
TEST(KeptStateFile, AStaleTemporaryFileIsNotRead) {
    const fs::path folder = fs::temp_directory_path() / "tavrik-kept-stale";
    fs::remove_all(folder);
    const fs::path file = folder / "state.txt";
    KeptState older = Sample();
    older.memory[1] = "1";
    ASSERT_TRUE(SaveKeptState(file, older));
    const fs::path stale = folder / "state.txt.tavrik-save-abcdef";
    std::ofstream(stale, std::ios::binary) << KeptStateText(Sample()).substr(0, 40);

    const KeptStateRead read = LoadKeptState(file);
    ASSERT_TRUE(read.state) << read.problem;
    EXPECT_EQ(read.state->memory[1], "1") << "the last complete file, not the torn newer one";
    ASSERT_TRUE(SaveKeptState(file, Sample()));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(LoadKeptState(file).state->memory[1], "15");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tavrik
