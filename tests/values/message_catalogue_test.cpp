#include <gtest/gtest.h>

#include <algorithm>

#include "values/math_error.h"
#include "values/message_catalogue.h"

namespace tavrik {
namespace {

bool AsciiOnly(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every text the window shows in place of an English one is Japanese, and so
// is what the window makes of every failure the core can report.
TEST(MessageCatalogue, HoldsNoAsciiOnlySentence) {
    for (const CatalogueMessage& message : MessageCatalogue()) {
        EXPECT_FALSE(AsciiOnly(message.japanese)) << message.english;
        EXPECT_FALSE(AsciiOnly(JapaneseMessage(message.english))) << message.english;
    }
    for (const FailureKind kind :
         {FailureKind::ZeroDivide, FailureKind::Overflow, FailureKind::Underflow,
          FailureKind::InvalidArgument, FailureKind::InvalidOp, FailureKind::IntOverflow,
          FailureKind::Convert, FailureKind::MathError, FailureKind::Other}) {
        std::string box = "エラーです\r\n\r\n";
        try {
            ThrowFailure(kind);
        } catch (const CalcFailure& failure) {
            box += failure.what();
        }
        const std::string shown = JapaneseMessage(box);
        const auto lastLine = shown.substr(shown.rfind('\n') + 1);
        EXPECT_FALSE(AsciiOnly(lastLine)) << box;
    }
}

TEST(MessageCatalogue, ReplacesOnlyWhatItKnows) {
    EXPECT_EQ(JapaneseMessage("エラーです\r\n\r\nFloating point division by zero"),
              "エラーです\r\n\r\n0 で割ることはできません");
    EXPECT_EQ(JapaneseMessage("エラーです\r\n\r\nstd::bad_alloc"), "エラーです\r\n\r\nエラー");
    EXPECT_EQ(JapaneseMessage("ERROR: Convert"), "エラー: 数値に変換できません");
    EXPECT_EQ(JapaneseMessage("'x1' is not a valid integer value"), "'x1' は整数として読めません");
    EXPECT_EQ(JapaneseMessage("*** エラー ***\r\nstd::bad_alloc"), "*** エラー ***\r\nエラー");
    // The user's own text in a message stays as it is.
    EXPECT_EQ(JapaneseMessage("ファイルが開けませんでした\r\nnotes.txt"),
              "ファイルが開けませんでした\r\nnotes.txt");
    EXPECT_EQ(JapaneseMessage("ファイルが開けませんでした\r\n/home/a/Error log.txt"),
              "ファイルが開けませんでした\r\n/home/a/Error log.txt");
    EXPECT_EQ(JapaneseMessage("'Error' is not a valid integer value"),
              "'Error' は整数として読めません");
    EXPECT_EQ(JapaneseMessage("設定「Math error」"), "設定「Math error」");
}

}  // namespace
}  // namespace tavrik
