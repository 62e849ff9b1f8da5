#include "settings/ini_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textfile/cp932.h"
#include "textfile/lost_characters.h"

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
        EXPECT_EQ(cp932::Decode(c.bytes).value(), c.text) << c.text;
    }
}

TEST(IniCp932, InvalidBytesDecodeToReplacementCharacters) {
    EXPECT_EQ(cp932::Decode("a\x80z").value(), "a\xEF\xBF\xBDz");
    EXPECT_EQ(cp932::Decode("\xFF"), "\xEF\xBF\xBD");
    EXPECT_EQ(cp932::Decode("x\x81"), "x\xEF\xBF\xBD");
}

TEST(IniCp932, CharactersWithoutAShiftJisFormEncodeAsQuestionMarks) {
    EXPECT_EQ(cp932::Encode("a😀b"), "a?b");
    EXPECT_EQ(cp932::Encode("\xEF\xBF\xBD"), "?");
}

// Large texts are decoded through a table taken from the converter: it must
// agree with the converter on every ASCII byte and on every character the
// converter knows, and leave anything else to the converter.
TEST(IniCp932, LostCharactersAreNamedOnceInTheirOrder) {
    EXPECT_THAT(LostCharacters("1€+½=🙂\r\n𠮷€ ¥ \xFF"),
                ElementsAre("€", "½", "🙂", "𠮷", "¥", "\xEF\xBF\xBD"));
    EXPECT_THAT(LostCharacters("漢字～①ｱ\\\t\r\n"), ::testing::IsEmpty());
}

TEST(IniCp932, TableDecodesEveryCharacterAsTheConverterDoes) {
    std::vector<std::string> sequences;
    for (int b = 0x00; b <= 0xFF; ++b) sequences.emplace_back(1, static_cast<char>(b));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            sequences.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    }
    int characters = 0;
    for (const std::string& sequence : sequences) {
        const std::string converted = cp932::DecodeByConverter(sequence).value();
        if (converted.find("\xEF\xBF\xBD") != std::string::npos) continue;
        ++characters;
        EXPECT_EQ(cp932::DecodeByTable(sequence), converted) << ::testing::PrintToString(sequence);
    }
    EXPECT_GT(characters, 128 + 63 + 7000) << "ASCII, half-width kana and the double-byte set";

    EXPECT_EQ(cp932::DecodeByTable("a\x81"), std::nullopt) << "a lead byte without its trail";
    std::string large(200 * 1024, 'a');
    large[1000] = '\x80';
    EXPECT_EQ(cp932::Decode(large), cp932::DecodeByConverter(large));
}

}  // namespace
}  // namespace tavrik
