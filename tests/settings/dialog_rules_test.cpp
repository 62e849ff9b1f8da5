// The settings dialog's rules that need no window: the arrangement list, set
// names, key names and key assignments, and the function-group cells.
#include <gtest/gtest.h>

#include "settings/function_cells.h"
#include "settings/key_assignment.h"
#include "settings/set_arrangement.h"
#include "settings/set_names.h"

namespace tavrik {
namespace {

TEST(ArrangementList, ListsPanelsBreaksAndPadding) {
    const std::vector<ArrangementLine> lines = ArrangementFromDisp("DB/M/F");
    const std::vector<ArrangementLine> expected{
        {'D', true}, {'B', true},  {'\0', true}, {'M', true}, {'\0', true},
        {'F', true}, {'H', false}, {'S', false}, {},          {},
        {}};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(DispFromArrangement(lines), "DB/M/Fhs");
}

TEST(ArrangementList, DispRoundTrips) {
    struct Case {
        const char* disp;
        const char* saved;
    };
    for (const Case& c : {Case{"DBM/FSH", "DBM/FSH"}, Case{"dBm", "dBmhsf"},
                          Case{"//DB//M/", "DB/M/hsf"}, Case{"DxDB", "DBmhsf"}}) {
        EXPECT_EQ(DispFromArrangement(ArrangementFromDisp(c.disp)), c.saved) << c.disp;
    }
}

TEST(ArrangementList, UncheckedSeparatorDropsTheBreak) {
    std::vector<ArrangementLine> lines = ArrangementFromDisp("DB/M/F");
    lines[2].checked = false;
    EXPECT_EQ(DispFromArrangement(lines), "DBM/Fhs");
}

TEST(SetNames, RefusesEmptyDuplicateAndReservedNames) {
    const std::vector<std::string> listed{"標準", "Work"};
    const std::vector<std::string> sections{"標準", "Work", "Old"};
    struct Case {
        const char* name;
        const char* fault;  // nullptr: accepted
    };
    for (const Case& c :
         {Case{"", "設定名称を入力してください"}, Case{"work", "設定名称が重複しています"},
          Case{"old", "設定名称が重複しています"}, Case{"標準", nullptr}, Case{"STANDARD", nullptr},
          Case{"default", "使用できない設定名称です"}, Case{"RESERVE", "使用できない設定名称です"},
          Case{"（新規作成）", "使用できない設定名称です"}}) {
        const auto fault = SetNameFault(c.name, "標準", listed, sections);
        if (c.fault)
            EXPECT_EQ(fault, std::optional<std::string>(c.fault)) << c.name;
        else
            EXPECT_FALSE(fault) << c.name;
    }
    EXPECT_FALSE(SetNameFault("WORK", "Work", listed, sections)) << "own name in another case";
}

// Every name accepted comes back from the file as it was entered.
TEST(SetNames, RefusesNamesTheFileWouldNotGiveBack) {
    constexpr const char* kBlankEnds = "設定名称の先頭と末尾に空白は使用できません";
    struct Case {
        const char* name;
        const char* fault;  // nullptr: accepted
    };
    for (const Case& c :
         {Case{"標準 ", kBlankEnds}, Case{" x", kBlankEnds}, Case{"x\t", kBlankEnds},
          Case{"Default ", kBlankEnds}, Case{"Tavrik ", kBlankEnds},
          Case{"a\nb", "設定名称に制御文字は使用できません"},
          Case{"a]b", "設定名称に使用できない文字が含まれています：]"},
          Case{"Café½", "設定名称に使用できない文字が含まれています：é½"}, Case{"[a b", nullptr},
          Case{"計算～①", nullptr}}) {
        const auto fault = SetNameFault(c.name, "標準", {"標準"}, {"標準"});
        if (c.fault)
            EXPECT_EQ(fault, std::optional<std::string>(c.fault)) << c.name;
        else
            EXPECT_FALSE(fault) << c.name;
    }
    EXPECT_FALSE(SetNameFault("Café", "Café", {"Café"}, {})) << "a loaded name is kept";
}

TEST(SetNames, NewNamesTakeTheFirstFreeNumberAndTheLimitHolds) {
    EXPECT_EQ(NewSetName({"a"}, {}), "新規作成1");
    EXPECT_EQ(NewSetName({"新規作成1"}, {"新規作成2"}), "新規作成3");
    EXPECT_TRUE(CanAddSet(9, 9));
    EXPECT_FALSE(CanAddSet(10, 3));
    EXPECT_FALSE(CanAddSet(2, 10));
}

TEST(KeyNames, NameAndParseAreInverse) {
    struct Case {
        int index;
        const char* name;
    };
    for (const Case& c :
         {Case{112, "F1"}, Case{13, "Enter"}, Case{65, "A"}, Case{48, "0"}, Case{96, "テンキー 0"},
          Case{105, "テンキー 9"}, Case{110, "テンキー ."}, Case{58, "#58"}, Case{187, "= (US)"},
          Case{255 + 65, "Ctrl + A"}, Case{510 + 49, "Shift + 1"}, Case{510 + 112, "Shift + F1"},
          Case{255 + 96, "Ctrl + テンキー 0"}}) {
        EXPECT_EQ(KeyName(c.index), c.name);
        EXPECT_EQ(ParseKeyName(c.name), c.index) << c.name;
    }
    // Every position has a name of its own.
    for (int index = 0; index < kKeyTableSize; ++index)
        EXPECT_EQ(ParseKeyName(KeyName(index)), index) << KeyName(index);
    // Names older versions showed still read.
    EXPECT_EQ(ParseKeyName("Shft + #112"), 510 + 112);
    EXPECT_EQ(ParseKeyName("#96"), 96);
    EXPECT_EQ(ParseKeyName(""), -1);
    EXPECT_EQ(KeyTableIndex(65, true, true), 255 + 65) << "Ctrl wins over Shift";
    EXPECT_EQ(KeyTableIndex(49, false, true), 510 + 49);
}

TEST(KeyAssignments, ShowStoreAndDelete) {
    GlobalSettings settings;
    KeyTable& keys = settings.Keys;
    // The digit key 7 gives the key "7" (code 8, character '7') in every mode.
    const std::vector<KeyRow> rows = KeyAssignmentRows(keys, '7');
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (KeyRow{"7", "7", "7", "7"}));

    StoreKeyAssignments(keys, '+', {KeyRow{"Shft + #187", "", "junk#", ""}});
    EXPECT_EQ(keys[510 + 187], "+___");

    DeleteKeyAssignment(keys, "7", 0);
    EXPECT_EQ(keys[55], "_777");
    EXPECT_EQ(AssignedKeyChar(keys, 55, 0), '_');
    EXPECT_EQ(AssignedKeyChar(keys, 55, 1), '7');
    EXPECT_EQ(AssignedKeyChar(keys, 65, 0), '\0');
}

TEST(FunctionCells, SlotTextsShowTitledCodesAndReadBack) {
    GlobalSettings settings;
    settings.FT[5] = "";  // code 105 untitled
    EXPECT_EQ(FunctionSlotText(settings, 101), "F#101 (f101)");
    EXPECT_EQ(FunctionSlotText(settings, 105), "");
    EXPECT_EQ(FunctionChoiceText(settings, 105), "F#105");
    EXPECT_EQ(FunctionSlotCode("F#105"), 105);
    EXPECT_EQ(FunctionSlotCode("F#200 (x)"), 200);
    EXPECT_EQ(FunctionSlotCode(""), kNoFunction);
}

}  // namespace
}  // namespace tavrik
