#include <gtest/gtest.h>

#include <set>

#include "formula/function_catalogue.h"
#include "formula/operations.h"
#include "settings/function_codes.h"

namespace tavrik {
namespace {

// A function code added to the operation table without a catalogue entry, or
// an entry left behind for a code that computes nothing, fails here.
TEST(FunctionCatalogue, HasOneEntryPerFunctionOfTheOperationTable) {
    std::set<int> functions;
    for (const Operation& operation : Operations())
        if (operation.code >= kFirstFunction) functions.insert(operation.code);
    std::set<int> entries;
    for (const CatalogueEntry& entry : FunctionCatalogue()) {
        EXPECT_TRUE(entries.insert(entry.code).second) << entry.code;
        EXPECT_FALSE(entry.name.empty()) << entry.code;
        EXPECT_FALSE(entry.description.empty()) << entry.code;
    }
    EXPECT_EQ(entries, functions);
    for (int k = 0; k < kUserFunctions; ++k) EXPECT_TRUE(entries.contains(kFirstUserFunction + k));
}

TEST(FunctionCatalogue, ListTextNamesTheFunctionOnlyUnderADefaultTitle) {
    GlobalSettings settings;
    settings.FT[128 - 100] = DefaultFunctionTitle(128);
    settings.FT[101 - 100] = "√";
    settings.FT[115 - 100] = DefaultFunctionTitle(115);
    EXPECT_EQ(FunctionListText(settings, 128), "F#128 (f128) 順列 nPr");
    EXPECT_EQ(FunctionListText(settings, 101), "F#101 (√)");
    EXPECT_EQ(FunctionListText(settings, 115), "F#115 (f115)");  // computes nothing
}

TEST(FunctionCatalogue, HelpTextOfAUserFunctionShowsItsFormula) {
    GlobalSettings settings;
    settings.FStr[0] = "X*2.54=";
    EXPECT_EQ(FunctionHelpText(101, settings), "平方根: x の平方根 (x ≥ 0)");
    EXPECT_TRUE(FunctionHelpText(109, settings).ends_with("式: X*2.54="));
    EXPECT_TRUE(FunctionHelpText(110, settings).ends_with("式はまだありません"));
    EXPECT_EQ(FunctionHelpText(115, settings), "");
}

}  // namespace
}  // namespace tavrik
