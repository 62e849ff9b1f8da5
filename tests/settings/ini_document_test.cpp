#include "settings/ini_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "textfile/cp932.h"

namespace tavrik {
namespace {

using ::testing::ElementsAre;

const std::string kSample =
    "; Tavrik settings\r\n"
    "[Tavrik]\r\n"
    "Set = 標準 \r\n"
    "MenuO=操作=実行\r\n"
    "; comment=not a key\r\n"
    "\r\n"
    "[標準]\r\n"
    "Mode=T\r\n"
    "Unknown=kept\r\n"
    "\r\n"
    "[Other]\r\n"
    "x=1\r\n";

TEST(IniDocument, TextIsKeptVerbatimUntilWritten) {
    EXPECT_EQ(IniDocument::Parse(kSample).Text(), kSample);
}

TEST(IniDocument, LfOnlyLinesAreReadAndWrittenWithCrLf) {
    const IniDocument document = IniDocument::Parse("[A]\nk=v\n[B]\r\nx=y");
    EXPECT_EQ(document.Read("A", "k"), "v");
    EXPECT_EQ(document.Text(), "[A]\r\nk=v\r\n[B]\r\nx=y\r\n");
}

TEST(IniDocument, ValueIsTextAfterFirstEqualsWithoutSurroundingBlanks) {
    const IniDocument document = IniDocument::Parse(kSample);
    EXPECT_EQ(document.Read("Tavrik", "Set"), "標準");
    EXPECT_EQ(document.Read("Tavrik", "MenuO"), "操作=実行");
    EXPECT_EQ(document.Read("Tavrik", "; comment"), std::nullopt);
    EXPECT_EQ(document.Read("Tavrik", "Missing"), std::nullopt);
    EXPECT_EQ(document.Read("Missing", "Set"), std::nullopt);
}

TEST(IniDocument, NamesIgnoreLetterCaseIncludingFullWidth) {
    const IniDocument document = IniDocument::Parse("[ＡＢＣ]\r\nKeyN13=====\r\n");
    EXPECT_EQ(document.Read("ａｂｃ", "keyn13"), "====");
    EXPECT_EQ(document.Read("ＡＢＣ", "KEYN13"), "====");
}

TEST(IniDocument, ListsSectionsInFileOrderOnceEach) {
    const IniDocument document =
        IniDocument::Parse("k=before any section\n[B]\n[a]\n[ b ]\n[C\n[]\n");
    EXPECT_THAT(document.SectionNames(), ElementsAre("B", "a", "C", ""));
}

TEST(IniDocument, ReadsSectionEntriesAndKeyNamesOfTheFirstSectionOfAName) {
    const IniDocument document =
        IniDocument::Parse("[S]\nb=2\n;c=3\nplain line\na = 1\n[s]\nd=4\n");
    const auto entries = document.ReadSection("S");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "b");
    EXPECT_EQ(entries[1].name, "a");
    EXPECT_EQ(entries[1].value, "1");
    EXPECT_THAT(document.KeyNames("s"), ElementsAre("b", "a"));
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniDocumentWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniDocumentWrite, ChangesOnlyTheLinesItMust) {
    IniDocument document = IniDocument::Parse(GetParam().before);
    document.Write(GetParam().section, GetParam().key, GetParam().value);
    EXPECT_EQ(document.Text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    IniWrite, IniDocumentWrite,
    ::testing::Values(
        WriteCase{"ReplacesInPlace", "[A]\r\n;c\r\nk = old\r\nz=1\r\n", "a", "K", "new",
                  "[A]\r\n;c\r\nK=new\r\nz=1\r\n"},
        WriteCase{"OnlyFirstOfDuplicateKeys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
                  "[A]\r\nk=3\r\nk=2\r\n"},
        WriteCase{"NewKeyBeforeTrailingBlankLines", "[A]\r\nk=1\r\n\r\n[B]\r\n", "A", "n", "2",
                  "[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\n"},
        WriteCase{"NewKeyInEmptySection", "[A]\r\n[B]\r\n", "A", "n", "2", "[A]\r\nn=2\r\n[B]\r\n"},
        WriteCase{"NewSectionAtEndAfterBlankLine", "[A]\r\nk=1\r\n", "新", "n", "値",
                  "[A]\r\nk=1\r\n\r\n[新]\r\nn=値\r\n"},
        WriteCase{"FirstSectionOfEmptyFile", "", "Tavrik", "Tax", "8", "[Tavrik]\r\nTax=8\r\n"},
        WriteCase{"LineBreaksInValueBecomeBlanks", "", "A", "k", "x\ny\rz", "[A]\r\nk=x y z\r\n"},
        WriteCase{"EmptyKeyIsIgnored", "[A]\r\n;c\r\n", "A", "", "v", "[A]\r\n;c\r\n"},
        WriteCase{"CommentKeyIsIgnored", "[A]\r\n;c\r\n", "A", ";c", "v", "[A]\r\n;c\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocument, DeleteKeyRemovesEveryLineOfTheKeyInItsSection) {
    IniDocument document = IniDocument::Parse("[A]\nk=1\n;k=c\nK=2\nz=3\n[B]\nk=4\n");
    document.DeleteKey("A", "k");
    EXPECT_EQ(document.Text(), "[A]\r\n;k=c\r\nz=3\r\n[B]\r\nk=4\r\n");
    document.DeleteKey("Missing", "k");
    document.DeleteKey("A", "");
    EXPECT_EQ(document.Text(), "[A]\r\n;k=c\r\nz=3\r\n[B]\r\nk=4\r\n");
}

TEST(IniDocument, EraseSectionRemovesEverySectionOfTheName) {
    IniDocument document = IniDocument::Parse("top\n[A]\nk=1\n\n[b]\n[B]\nx\n[C]\n");
    document.EraseSection("b");
    EXPECT_EQ(document.Text(), "top\r\n[A]\r\nk=1\r\n\r\n[C]\r\n");
}

TEST(IniCp932, RoundTripsJapaneseTextOfTheWindowsCodePage) {
    struct Case {
        const char* text;
        std::string bytes;
    };
    const Case cases[] = {
        {"ＭＳ Ｐゴシック", "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
        {"関数", "\x8A\xD6\x90\x94"},
        {"～", "\x81\x60"},
        {"①", "\x87\x40"},
        {"C:\\a~b", "C:\\a~b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp932::Encode(c.text), c.bytes) << c.text;
        EXPECT_EQ(cp932::Decode(c.bytes), c.text) << c.text;
    }
}

TEST(IniCp932, InvalidBytesDecodeToReplacementCharacters) {
    EXPECT_EQ(cp932::Decode("a\x80z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(cp932::Decode("\xFF"), "\xEF\xBF\xBD");
    EXPECT_EQ(cp932::Decode("x\x81"), "x\xEF\xBF\xBD");
}

TEST(IniCp932, CharactersWithoutAShiftJisFormEncodeAsQuestionMarks) {
    EXPECT_EQ(cp932::Encode("a😀b"), "a?b");
    EXPECT_EQ(cp932::Encode("\xEF\xBF\xBD"), "?");
}

// Large texts are decoded through a table taken from the converter; it must
// agree with the converter on every character, and damaged input must still
// decode as the converter decodes it.
TEST(IniCp932, LargeTextsDecodeAsSmallOnes) {
    std::string sample;
    for (int b = 0x20; b < 0x7F; ++b) sample += static_cast<char>(b);
    for (int b = 0xA1; b <= 0xDF; ++b) sample += static_cast<char>(b);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            sample += static_cast<char>(lead);
            sample += static_cast<char>(trail);
        }
    }
    std::string large, expected;
    while (large.size() < 200 * 1024) {
        large += sample;
        expected += cp932::Decode(sample);
    }
    EXPECT_EQ(cp932::Decode(large), expected);
    large[1000] = '\x80';
    const std::string damaged = cp932::Decode(large);
    EXPECT_NE(damaged.find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace tavrik
