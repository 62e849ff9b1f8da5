#include "settings/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "settings/function_codes.h"
#include "settings/key_codes.h"
#include "settings/settings_location.h"
#include "support/file_size_limit.h"
#include "support/scoped_env.h"
#include "textfile/cp932.h"
#include "values/utf8.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::ScopedEnv;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes UTF-8 text with LF lines as a Shift-JIS file with CR LF lines.
void WriteShiftJis(const fs::path& path, std::string_view text) {
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    WriteBytes(path, cp932::Encode(crlf));
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / "tavrik_settings" / info->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Ini() const { return folder_ / "Tavrik.ini"; }

    fs::path folder_;
};

// Every key of [Tavrik] and of a set section, none at its default.
std::string EveryKeyFile() {
    std::string text =
        "; 全キー\n[Tavrik]\nCaption=0\nSet=設定二\nSave=1\nMenu=2\nMenuO=操作～\nMenuM=モード①\n"
        "MenuV=表示\\\nMenuF=関数ー\nMenuH=ヘルプ？\nHexB=＄\nHexA=ｈ\nTax=8\nTaxRound=2\n"
        "ErrCtMax=3\nSaveF=1\nTPM=1\nTSR=1\nKK3=1\nMode=C\nTrans=1\nWidth=400\nHeight=300\n"
        "Left=-10\nTop=20\n";
    for (int i = 0; i < kKeyTableSize; ++i) {
        std::string entry;
        for (int m = 0; m < 4; ++m) entry += KeyCodeString[(i + m * 7) % KeyCodeString.size()];
        if (i % 5 == 0) entry = "～" + std::string(entry, 1);
        text += KeyTableKeyName(i) + "=" + entry + "\n";
    }
    for (int code = 101; code <= 200; ++code) {
        text += "FT" + std::to_string(code) + "=関数①" + std::to_string(code) + "\n";
    }
    for (int i = 1; i <= 10; ++i)
        text += "F" + std::to_string(i) + "Name=組" + std::to_string(i) + "\n";
    for (int i = 1; i <= 60; ++i)
        text += "F" + std::to_string(i) + "=" + std::to_string(100 + i) + "\n";
    for (int i = 1; i <= 6; ++i)
        text += "FStr" + std::to_string(i) + "=X*Y+関数" + std::to_string(i) + "\n";

    const std::string set =
        "Mode=H\nRoundM=1\nRoundD=-3\nDisp=DbM/fsH\nPitch=4\nTBA=0\nSBA=BF\nColor=$00112233\n"
        "PTrans=1\nTrans=1\nAlphaA=200\nAlphaD=50\nGXPos=10\nGXWidth=3\nGXColor=clLime\nGYPos=20\n"
        "GYWidth=4\nGYColor=clNavy\nGLXPitch=8\nGLYPitch=9\nGLWidth=2\nGLStyle=psDot\n"
        "GLColor=clGray\nColorD=clInfoBk\nFontNameD=ＭＳ 明朝\nFontSizeD=14\nFontBoldD=1\n"
        "FontColorD=clMaroon\nBackColorD=$00ABCDEF\nDigitsD=30\nColorB=clAqua\n"
        "FontNameB=メイリオ\nFontSizeB=11\nFontBoldB=1\nFontColorB=clWhite\nDigitsB=20\n"
        "PitchB=3\nColorM=clTeal\nFontNameM=游ゴシック\nFontSizeM=10\nFontBoldM=1\n"
        "FontColorM=clRed\nBackColorM=clYellow\nDigitsM=12\nColorH=clSilver\n"
        "FontNameH=ＭＳ ゴシック\nFontSizeH=8\nFontBoldH=1\nFontColorH=clBlue\n"
        "BackColorH=clCream\nDigitsH=40\nLineH=7\nMaxLineH=500\nLNoTypeH=11\nColorS=clOlive\n"
        "FontNameS=Noto Sans CJK JP\nFontSizeS=12\nFontBoldS=1\nFontColorS=clPurple\nMoveS=0\n"
        "ColorF=clSkyBlue\nFontNameF=等幅\nFontSizeF=13\nFontBoldF=1\nFontColorF=clFuchsia\n"
        "BackColorF=clMedGray\nDigitsF=50\nLineF=9\nScBarF=3\nFRBtnF=0\nDblClickF=0\nFPlusF=1\n";
    std::string bounds;
    for (int code = 1; code <= 35; ++code) {
        bounds += "BoundsB" + std::to_string(code) + "=" + std::to_string(code) + ",1,20,20\n";
    }
    text += "\n[設定一]\n" + set + bounds;
    text += "\n[Default]\n; 予備\nPitch=1\n";
    text += "\n[設定二]\n" + set + bounds;
    return text;
}

TEST_F(SettingsFileTest, EveryKeyLoadsSavesAndReloadsToTheSameSettings) {
    WriteShiftJis(Ini(), EveryKeyFile());
    SettingsFile file(Ini());
    GlobalSettings first = file.Load(GlobalSettings{});

    EXPECT_FALSE(file.ReadCaptionFlag());
    EXPECT_EQ(first.Set, "設定二");
    EXPECT_EQ(first.MenuO, "操作～");
    EXPECT_EQ(first.MenuM, "モード①");
    EXPECT_EQ(first.MenuV, "表示\\");
    EXPECT_EQ(first.Keys[0], "～7E/");
    EXPECT_EQ(first.FT[200 - 100], "関数①200");
    EXPECT_EQ(first.F[59], 160);
    EXPECT_THAT(first.SectionList, ElementsAre("設定一", "設定二"));
    const SettingsSet& set = first.SetTable[1];
    EXPECT_EQ(set.name, "設定二");
    EXPECT_EQ(set.FontNameD, "ＭＳ 明朝");
    EXPECT_EQ(set.GLStyle, PenStyle::Dot);
    EXPECT_FALSE(set.StatusBarShown());
    EXPECT_EQ(set.BoundsB[35], "35,1,20,20");
    EXPECT_EQ(set.FPlusF, true);

    ASSERT_TRUE(file.Save(first));
    const std::string bytes = ReadBytes(Ini());
    EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1) << "every line ends with CR LF";
    EXPECT_NE(bytes.find(cp932::Encode("[設定二]\r\nMode=H\r\n")), std::string::npos);
    EXPECT_NE(bytes.find(cp932::Encode("[Default]\r\n; 予備\r\nPitch=1\r\n")), std::string::npos);

    SettingsFile reopened(Ini());
    const GlobalSettings second = reopened.Load(GlobalSettings{});
    EXPECT_EQ(second, first);
    EXPECT_EQ(IniDocument::Parse(cp932::Decode(bytes).value()).KeyNames("設定一").size(), 107u);
}

TEST_F(SettingsFileTest, MissingFileIsCreatedFromTheStarterWithoutOverwriting) {
    const std::string starter = cp932::Encode("[Tavrik]\r\nSet=標準\r\n[標準]\r\nPitch=6\r\n");
    WriteBytes(folder_ / "TavrikS.ini", starter);

    SettingsFile file(Ini());
    const GlobalSettings loaded = file.Load(GlobalSettings{});
    EXPECT_EQ(ReadBytes(Ini()), starter);
    EXPECT_EQ(loaded.SetTable[0].name, "標準");
    EXPECT_EQ(loaded.SetTable[0].Pitch, 6);
    EXPECT_THAT(file.WrittenSections(), ElementsAre("標準"));

    WriteBytes(Ini(), "[Tavrik]\r\nTax=3\r\n");
    EXPECT_EQ(SettingsFile(Ini()).Load(GlobalSettings{}).Tax, 3);
    EXPECT_EQ(ReadBytes(Ini()), "[Tavrik]\r\nTax=3\r\n");
}

TEST_F(SettingsFileTest, AFileEmptyAtTheStartIsTakenAsMissing) {
    const std::string starter = cp932::Encode("[Tavrik]\r\nSet=標準\r\n[標準]\r\nPitch=6\r\n");
    WriteBytes(folder_ / "TavrikS.ini", starter);
    for (const char* empty : {"", "\r\n"}) {
        WriteBytes(Ini(), empty);
        SettingsFile file(Ini());
        EXPECT_EQ(file.Load(GlobalSettings{}).SetTable[0].Pitch, 6);
        EXPECT_EQ(file.LoadProblem(), "");
        EXPECT_EQ(ReadBytes(Ini()), starter);
    }
}

TEST_F(SettingsFileTest, WithoutAnyFileDefaultsApplyAndTheFirstSaveCreatesIt) {
    SettingsFile file(Ini(), folder_ / "missing" / "TavrikS.ini");
    std::vector<std::string> written;
    EXPECT_EQ(file.Load(GlobalSettings{}), LoadSettings(IniDocument{}, GlobalSettings{}, written));
    EXPECT_FALSE(fs::exists(Ini()));

    ASSERT_TRUE(file.SaveExitState({'T', false, 200, 100, 5, 6}));
    EXPECT_EQ(SettingsFile(Ini()).Load(GlobalSettings{}).Mode, 'T');
}

TEST_F(SettingsFileTest, ExitStateIsWrittenIntoTheExistingFile) {
    WriteShiftJis(Ini(), "; 設定\n[Tavrik]\nSave=1\n[標準]\nPitch=3\n");
    SettingsFile file(Ini());
    ASSERT_TRUE(file.SaveExitState({'H', true, 320, 240, 10, -20}));
    const GlobalSettings loaded = SettingsFile(Ini()).Load(GlobalSettings{});
    EXPECT_EQ(loaded.Mode, 'H');
    EXPECT_TRUE(loaded.Trans);
    EXPECT_EQ(loaded.Width, 320);
    EXPECT_EQ(loaded.Height, 240);
    EXPECT_EQ(loaded.Top, 10);
    EXPECT_EQ(loaded.Left, -20);
    EXPECT_EQ(loaded.SetTable[0].Pitch, 3);
    EXPECT_TRUE(
        cp932::Decode(ReadBytes(Ini())).value().starts_with("; 設定\r\n[Tavrik]\r\nSave=1\r\n"));
}

TEST_F(SettingsFileTest, AFileDeletedOrEmptiedSinceLoadStartsAgainFromTheStarter) {
    WriteShiftJis(folder_ / "TavrikS.ini", "[Tavrik]\nSet=標準\nSave=1\n[標準]\nPitch=6\n");
    for (const bool deleted : {true, false}) {
        SettingsFile file(Ini());
        file.Load(GlobalSettings{});
        if (deleted)
            fs::remove(Ini());
        else
            WriteBytes(Ini(), "\r\n");
        ASSERT_TRUE(file.SaveExitState({'H', false, 320, 240, 10, 20}));
        const GlobalSettings loaded = SettingsFile(Ini()).Load(GlobalSettings{});
        EXPECT_EQ(loaded.Set, "標準") << deleted;
        EXPECT_EQ(loaded.SetTable[0].Pitch, 6) << deleted;
        EXPECT_EQ(loaded.Mode, 'H') << deleted;
        EXPECT_EQ(loaded.Width, 320) << deleted;
    }
}

TEST_F(SettingsFileTest, AByteOrderMarkAndCrOnlyLineEndsReadAsWhatTheyAre) {
    const std::string mark = "\xEF\xBB\xBF";
    struct Case {
        const char* name;
        std::string bytes;
        std::string font;
    };
    for (const Case& c :
         {Case{"utf8 with mark", mark + "[Tavrik]\r\nTax=8\r\n[標準]\r\nFontNameD=Café\r\n",
               "Café"},
          Case{"cr only", cp932::Encode("[Tavrik]\rTax=8\r[標準]\rFontNameD=明朝\r"), "明朝"}}) {
        WriteBytes(Ini(), c.bytes);
        SettingsFile file(Ini());
        GlobalSettings settings = file.Load(GlobalSettings{});
        EXPECT_EQ(file.LoadProblem(), "") << c.name;
        EXPECT_EQ(settings.Tax, 8) << c.name;
        EXPECT_EQ(settings.SetTable[0].name, "標準") << c.name;
        EXPECT_EQ(settings.SetTable[0].FontNameD, c.font) << c.name;
        EXPECT_THAT(file.LostCharacters(settings), ::testing::IsEmpty()) << c.name;

        settings.Tax = 9;
        ASSERT_TRUE(file.Save(settings)) << c.name;
        const std::string saved = ReadBytes(Ini());
        EXPECT_EQ(saved.starts_with(mark), c.bytes.starts_with(mark)) << c.name;
        EXPECT_EQ(saved.find("[Tavrik]"), saved.rfind("[Tavrik]")) << c.name;
        const GlobalSettings reloaded = SettingsFile(Ini()).Load(GlobalSettings{});
        EXPECT_EQ(reloaded.Tax, 9) << c.name;
        EXPECT_EQ(reloaded.SetTable[0].FontNameD, c.font) << c.name;
    }
}

using testing::FileSizeLimit;

TEST_F(SettingsFileTest, FailedSaveLeavesTheFileAndTheSectionBookkeepingAsTheyWere) {
    WriteShiftJis(Ini(), "[Tavrik]\nTax=8\n[旧名]\nPitch=3\n");
    const std::string before = ReadBytes(Ini());
    SettingsFile file(Ini());
    GlobalSettings settings = file.Load(GlobalSettings{});
    settings.SetTable[0].name = "新名";
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(file.Save(settings));
    }
    EXPECT_EQ(ReadBytes(Ini()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "the temporary file is removed";
    EXPECT_THAT(settings.SectionList, ElementsAre("旧名"));
    EXPECT_THAT(file.WrittenSections(), ElementsAre("旧名"));

    ASSERT_TRUE(file.Save(settings));
    const GlobalSettings saved = SettingsFile(Ini()).Load(GlobalSettings{});
    EXPECT_THAT(saved.SectionList, ElementsAre("新名"));
    EXPECT_EQ(saved.SetTable[0].Pitch, 3);
}

// A UTF-8 comment and byte pairs that Shift-JIS does not map cannot be
// converted back; a save must leave such lines as they were.
TEST_F(SettingsFileTest, SaveKeepsTheBytesOfEveryLineItLeavesAsItWas) {
    const std::string utf8Comment = "; \xE3\x82\xB3\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88";
    const std::string unmappedValue = "MenuO=\x85\x40\x85\x41";
    const std::string unmappedFont = "FontNameD=\xEB\x40";
    WriteBytes(Ini(), utf8Comment + "\r\n[Tavrik]\r\n" + unmappedValue + "\r\nTax=5\r\n[" +
                          cp932::Encode("標準") + "]\r\n" + unmappedFont + "\r\n");
    SettingsFile file(Ini());
    GlobalSettings settings = file.Load(GlobalSettings{});
    settings.Tax = 8;
    ASSERT_TRUE(file.Save(settings));

    const std::string saved = ReadBytes(Ini());
    EXPECT_TRUE(saved.starts_with(utf8Comment + "\r\n[Tavrik]\r\n" + unmappedValue + "\r\n"));
    EXPECT_NE(saved.find("\r\n" + unmappedFont + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nTax=8\r\n"), std::string::npos);
}

// "∵" has three byte pairs in Shift-JIS; each line keeps its own.
TEST_F(SettingsFileTest, LinesThatReadAlikeKeepTheirOwnBytes) {
    const std::string comments[] = {"; \x87\x9A", "; \x81\xE6", "; \xFA\x5B"};
    const std::string head = comments[0] + "\r\n" + comments[1] + "\r\n" + comments[2] + "\r\n";
    WriteBytes(Ini(), head + "[Tavrik]\r\nTax=5\r\n");
    SettingsFile file(Ini());
    GlobalSettings settings = file.Load(GlobalSettings{});
    settings.Tax = 8;
    ASSERT_TRUE(file.Save(settings));
    EXPECT_TRUE(ReadBytes(Ini()).starts_with(head + "[Tavrik]\r\n"));
}

// An existing file that cannot be used gives the defaults, is reported, and
// is never written over; a FIFO is refused without waiting for a writer.
TEST_F(SettingsFileTest, AnUnusableFileIsReportedAndNeverOverwritten) {
    ASSERT_EQ(::mkfifo(Ini().c_str(), 0600), 0);
    SettingsFile file(Ini());
    GlobalSettings settings = file.Load(GlobalSettings{});
    EXPECT_EQ(settings.Tax, GlobalSettings{}.Tax);
    EXPECT_NE(file.LoadProblem().find("通常のファイルではありません"), std::string::npos);
    EXPECT_FALSE(file.Save(settings));
    EXPECT_FALSE(file.SaveExitState({}));
    EXPECT_TRUE(fs::is_fifo(Ini()));
}

// A file past the bound (sparse, so the test costs no disk) is not read into
// memory: the defaults apply, the problem is reported, the file is kept.
TEST_F(SettingsFileTest, AFileLargerThanTheBoundIsRefused) {
    WriteBytes(Ini(), "[Tavrik]\r\nTax=8\r\n");
    fs::resize_file(Ini(), kMaxSettingsFileBytes + 1);
    SettingsFile file(Ini());
    GlobalSettings settings = file.Load(GlobalSettings{});
    EXPECT_EQ(settings.Tax, GlobalSettings{}.Tax);
    EXPECT_NE(file.LoadProblem().find("ファイルが大きすぎます"), std::string::npos);
    EXPECT_FALSE(file.Save(settings));
    EXPECT_EQ(fs::file_size(Ini()), kMaxSettingsFileBytes + 1);
}

TEST_F(SettingsFileTest, AFailedStarterCopyLeavesNoFileAndIsReported) {
    WriteBytes(folder_ / "TavrikS.ini", "[Tavrik]\r\nTax=3\r\n" + std::string(4096, ';'));
    SettingsFile file(Ini());
    {
        const FileSizeLimit full(64);
        EXPECT_EQ(file.Load(GlobalSettings{}).Tax, GlobalSettings{}.Tax);
    }
    EXPECT_FALSE(fs::exists(Ini()));
    EXPECT_NE(file.LoadProblem().find("ファイルが作成できませんでした"), std::string::npos);

    EXPECT_EQ(file.Load(GlobalSettings{}).Tax, 3) << "copied at the next start";
    EXPECT_TRUE(file.LoadProblem().empty());
}

TEST_F(SettingsFileTest, SaveIntoAMissingFolderFails) {
    SettingsFile file(folder_ / "no such folder" / "Tavrik.ini");
    GlobalSettings settings = file.Load(GlobalSettings{});
    EXPECT_FALSE(file.Save(settings));
    EXPECT_FALSE(file.SaveExitState({}));
}

TEST_F(SettingsFileTest, FileBesideAWritableExecutableFolder) {
    EXPECT_EQ(LocateSettingsFile(folder_), folder_ / "Tavrik.ini");
}

TEST_F(SettingsFileTest, FileInTheConfigFolderWhenTheExecutableFolderIsNotWritable) {
    const fs::path readOnly = folder_ / "no such program folder";
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", (folder_ / "config").string());
        EXPECT_EQ(LocateSettingsFile(readOnly), folder_ / "config" / "tavrik" / "Tavrik.ini");
        EXPECT_TRUE(fs::is_directory(folder_ / "config" / "tavrik"));
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
        const ScopedEnv home("HOME", (folder_ / "home").string());
        EXPECT_EQ(LocateSettingsFile(readOnly),
                  folder_ / "home" / ".config" / "tavrik" / "Tavrik.ini");
        const ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(LocateSettingsFile(readOnly),
                  folder_ / "home" / ".config" / "tavrik" / "Tavrik.ini");
    }
    if (geteuid() != 0) {
        const fs::path program = folder_ / "program";
        fs::create_directories(program);
        fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
        const ScopedEnv xdg("XDG_CONFIG_HOME", (folder_ / "config").string());
        EXPECT_EQ(LocateSettingsFile(program), folder_ / "config" / "tavrik" / "Tavrik.ini");
        fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    }
}

// Without an absolute HOME or XDG_CONFIG_HOME there is no place for the
// settings: they are neither read nor written relative to the working folder.
TEST_F(SettingsFileTest, WithoutAHomeFolderTheSettingsAreRefused) {
    const fs::path program = folder_ / "no such program folder";
    const fs::path working = fs::current_path();
    fs::current_path(folder_);
    const ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
    for (const std::optional<std::string>& home : {std::optional<std::string>(), {"relative"}}) {
        const ScopedEnv homeVariable("HOME", home);
        SettingsFile file(LocateSettingsFile(program));
        GlobalSettings settings = file.Load(GlobalSettings{});
        EXPECT_NE(file.LoadProblem().find("設定ファイルの場所がありません"), std::string::npos);
        EXPECT_FALSE(file.Save(settings));
        EXPECT_FALSE(file.SaveExitState({}));
    }
    fs::current_path(working);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(SettingsFileTest, StarterBesideTheExecutableElseInTheDataFolder) {
    const fs::path bin = folder_ / "prefix" / "bin";
    fs::create_directories(bin);
    EXPECT_EQ(LocateStarterFile(bin), folder_ / "prefix" / "share" / "tavrik" / "TavrikS.ini");
    WriteBytes(bin / "TavrikS.ini", "");
    EXPECT_EQ(LocateStarterFile(bin), bin / "TavrikS.ini");
}

// An installed program folder is never written, even when it is writable,
// unless a settings file was put there on purpose.
TEST_F(SettingsFileTest, InstalledProgramKeepsItsSettingsInTheConfigFolder) {
    const fs::path bin = folder_ / "prefix" / "bin";
    fs::create_directories(bin);
    fs::create_directories(folder_ / "prefix" / "share" / "tavrik");
    WriteBytes(folder_ / "prefix" / "share" / "tavrik" / "TavrikS.ini", "");
    const ScopedEnv xdg("XDG_CONFIG_HOME", (folder_ / "config").string());
    EXPECT_EQ(LocateSettingsFile(bin), folder_ / "config" / "tavrik" / "Tavrik.ini");
    WriteBytes(bin / "Tavrik.ini", "");
    EXPECT_EQ(LocateSettingsFile(bin), bin / "Tavrik.ini");
}

// The shipped starter file: a useful keyboard in every mode.
TEST_F(SettingsFileTest, ShippedStarterFileAssignsTheEssentialKeys) {
    fs::copy_file(TAVRIK_STARTER_FILE, folder_ / "TavrikS.ini");
    const GlobalSettings g = SettingsFile(Ini()).Load(GlobalSettings{});
    ASSERT_EQ(g.LastSetIndex, 1);
    EXPECT_EQ(g.Set, g.SectionList.front());
    // The second set keeps the small keys and grey panels of every field's
    // default; both sets read ":" in time mode as h:m:s.
    SettingsSet compact;
    compact.name = "コンパクト";
    compact.FontSizeD = 12;
    compact.TimeColon = true;
    EXPECT_TRUE(g.SetTable[0].TimeColon);
    EXPECT_EQ(g.SetTable[1], compact);

    for (int i = 0; i < kKeyTableSize; ++i) {
        const std::string& entry = g.Keys[i];
        if (entry.empty()) continue;
        ASSERT_EQ(utf8::Length(entry), 4u) << KeyTableKeyName(i);
        for (char c : entry) {
            EXPECT_TRUE(c == '_' || CodeOfKeyTableChar(c) != 0)
                << KeyTableKeyName(i) << " " << entry;
        }
    }
    const std::pair<int, const char*> expected[] = {
        {13, "===="},
        {27, "ZZZZ"},
        {8, "XXXX"},
        {46, "GGGG"},
        {96, "0000"},
        {105, "9999"},
        {107, "++++"},
        {109, "----"},
        {106, "****"},
        {111, "////"},
        {189, "----"},
        {191, "////"},
        {65, "_A__"},
        {70, "_F__"},
        {kShiftKeyOffset + 187, "++++"},
        {kShiftKeyOffset + 56, "****"},
        {kCtrlKeyOffset + 86, "QQQQ"},   // Ctrl+V: paste
        {kShiftKeyOffset + 45, "QQQQ"},  // Shift+Insert: paste
        {kCtrlKeyOffset + 67, "VVVV"},   // Ctrl+C: Cb
    };
    for (const auto& [index, entry] : expected)
        EXPECT_EQ(g.Keys[index], entry) << KeyTableKeyName(index);

    // Time mode reaches its four unit keys, date mode its three, through letters.
    std::string timeUnits;
    std::string dateUnits;
    for (int i = 0; i < kKeyTableSize; ++i) {
        if (g.Keys[i].size() == 4) {
            timeUnits += g.Keys[i][2];
            dateUnits += g.Keys[i][3];
        }
    }
    for (char unit : std::string_view("CDEFS"))
        EXPECT_NE(timeUnits.find(unit), std::string::npos) << unit;
    for (char unit : std::string_view("ABCEF:"))
        EXPECT_NE(dateUnits.find(unit), std::string::npos) << unit;
}

// A first start with the shipped file: A–F carry functions in 10進 and the
// window state is kept between runs.
TEST_F(SettingsFileTest, ShippedStarterFileFillsTheFirstFunctionGroupAndSaves) {
    fs::copy_file(TAVRIK_STARTER_FILE, folder_ / "TavrikS.ini");
    const GlobalSettings g = SettingsFile(Ini()).Load(GlobalSettings{});
    EXPECT_TRUE(g.Save);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_NE(g.F[slot], kNoFunction) << "F" << slot + 1;
        EXPECT_FALSE(g.FunctionTitle(g.F[slot]).empty()) << "F" << slot + 1;
    }
    // Every slot the file fills carries a title of its own, not "f" + code.
    for (std::size_t slot = 0; slot < g.F.size(); ++slot) {
        if (g.F[slot] != kNoFunction) {
            EXPECT_NE(g.FunctionTitle(g.F[slot]), DefaultFunctionTitle(g.F[slot]))
                << "F" << slot + 1;
        }
    }
    EXPECT_EQ(g.FunctionTitle(101), "√");
    EXPECT_EQ(g.FName[0], "基本");
    EXPECT_EQ(g.FStr[0], "X*2.54=");
}

}  // namespace
}  // namespace tavrik
