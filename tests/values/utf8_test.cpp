#include <gtest/gtest.h>

#include "values/utf8.h"

namespace tavrik {
namespace {

TEST(Utf8Test, CountsCharactersNotBytes) {
    EXPECT_EQ(utf8::Length(""), 0u);
    EXPECT_EQ(utf8::Length("12.5"), 4u);
    EXPECT_EQ(utf8::Length("1日2時"), 4u);
    EXPECT_EQ(utf8::Length("😀"), 1u);
    // A byte that starts no valid sequence counts as one character, as the
    // formula scanner counts it.
    EXPECT_EQ(utf8::Length("\xBC\x93"), 2u);
    EXPECT_EQ(utf8::Length("a\xE6\x97"), 2u);
}

TEST(Utf8Test, DropsWholeCharacters) {
    EXPECT_EQ(utf8::DropLast("12年"), "12");
    EXPECT_EQ(utf8::DropFirst("c 2024年", 2), "2024年");
    EXPECT_EQ(utf8::Sanitize("a\x80z"), "a\xEF\xBF\xBDz");
}

}  // namespace
}  // namespace tavrik
