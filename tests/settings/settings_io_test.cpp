#include "settings/settings_io.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/key_assignment.h"

namespace tavrik {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A loaded file with the bookkeeping a save needs.
struct Loaded {
    IniDocument file;
    GlobalSettings settings;
    std::vector<std::string> written;

    explicit Loaded(std::string_view text) : file(IniDocument::Parse(text)) {
        settings = LoadSettings(file, GlobalSettings{}, written);
    }
    void Save() { SaveSettings(settings, file, written); }
    std::optional<std::string> Global(std::string_view key) const {
        return file.Read("Tavrik", key);
    }
};

std::string TwelveSets() {
    std::string text = "[Tavrik]\r\nSet=S3\r\n";
    for (int i = 1; i <= 12; ++i) {
        text += "[S" + std::to_string(i) + "]\r\nPitch=" + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST(SettingsLoad, OnlyTheGlobalSectionGivesElevenDefaultSetsWithoutNames) {
    const Loaded loaded("[Tavrik]\r\nTax=8\r\n");
    EXPECT_EQ(loaded.settings.Tax, 8);
    EXPECT_EQ(loaded.settings.LastSetIndex, -1);
    EXPECT_THAT(loaded.settings.SectionList, IsEmpty());
    EXPECT_THAT(loaded.written, IsEmpty());
    for (const SettingsSet& set : loaded.settings.SetTable) {
        EXPECT_EQ(set.name, "");
        EXPECT_EQ(set.Disp, "DBM/FSH");
        EXPECT_EQ(set.FontNameD, "ＭＳ Ｐゴシック");
    }
}

TEST(SettingsLoad, GlobalScalarsAndTables) {
    const Loaded loaded(
        "[tavrik]\n"
        "set=標準\nSave=True\nMenu=2\nMenuO=計算\nHexB=0x\nTax=\nTaxRound=1.7\n"
        "ErrCtMax=abc\nTPM=1\nKK3=-1\nMode=Time\nWidth=300\nLeft=-999\n"
        "KeyN13=====\nKeyN48=\nKeyN65=_A__\nKeyC67=VVVV\nKeyS187=++++\n"
        "FT101=平方根\nFT150=\nF3Name=三角\nF1=101\nF2=99\nF7=250\nF60=200\nFStr1=X*2\n");
    const GlobalSettings& g = loaded.settings;
    EXPECT_EQ(g.Set, "標準");
    EXPECT_TRUE(g.Save);
    EXPECT_EQ(g.Menu, 2);
    EXPECT_EQ(g.MenuO, "計算");
    EXPECT_EQ(g.MenuM, "モード");
    EXPECT_EQ(g.HexB, "0x");
    EXPECT_EQ(g.Tax, 5);
    EXPECT_EQ(g.TaxRound, 1);
    EXPECT_EQ(g.ErrCtMax, 10);
    EXPECT_TRUE(g.TPM);
    EXPECT_FALSE(g.TSR);
    EXPECT_TRUE(g.KK3);
    EXPECT_EQ(g.Mode, 'T');
    EXPECT_EQ(g.Width, 300);
    EXPECT_EQ(g.Height, -9999);
    EXPECT_EQ(g.Left, -999);

    EXPECT_EQ(g.Keys[13], "====");
    EXPECT_EQ(g.Keys[48], "0000");
    EXPECT_EQ(g.Keys[57], "9999");
    EXPECT_EQ(g.Keys[65], "_A__");
    EXPECT_EQ(g.Keys[66], "");
    EXPECT_EQ(g.Keys[kCtrlKeyOffset + 67], "VVVV");
    EXPECT_EQ(g.Keys[kShiftKeyOffset + 187], "++++");

    EXPECT_EQ(g.FunctionTitle(100), "");
    EXPECT_EQ(g.FunctionTitle(101), "平方根");
    EXPECT_EQ(g.FunctionTitle(150), "f150");
    EXPECT_EQ(g.FName[2], "三角");
    EXPECT_EQ(g.FName[3], "関数4");
    EXPECT_EQ(g.F[0], 101);
    EXPECT_EQ(g.F[1], 100);
    EXPECT_EQ(g.F[6], 100);
    EXPECT_EQ(g.F[59], 200);
    EXPECT_EQ(g.FStr[0], "X*2");
}

TEST(SettingsLoad, SetSectionValues) {
    const Loaded loaded(
        "[Tavrik]\n[仕事]\nMode=H\nPitch=2.9\nRoundD=-2.9\nFontBoldD=tRUE\nFontBoldB=2\n"
        "SBA=F\nColor=$00123456\nGXColor=clLime\nGLStyle=DashDot\nFontNameD=メイリオ\n"
        "BoundsB5=1,2,3,4\nLineH=oops\n[Plain]\nSBA=TF\nGLStyle=psdot\nMode=\n");
    ASSERT_EQ(loaded.settings.LastSetIndex, 1);
    const SettingsSet& work = loaded.settings.SetTable[0];
    EXPECT_EQ(work.name, "仕事");
    EXPECT_EQ(work.Mode, 'H');
    EXPECT_EQ(work.Pitch, 2);
    EXPECT_EQ(work.RoundD, -2);
    EXPECT_TRUE(work.FontBoldD);
    EXPECT_TRUE(work.FontBoldB);
    EXPECT_EQ(work.SBA, "FT");
    EXPECT_TRUE(work.StatusBarShown());
    EXPECT_EQ(work.Color_, 0x123456u);
    EXPECT_EQ(work.GXColor, 0x00FF00u);
    EXPECT_EQ(work.GLStyle, PenStyle::DashDot);
    EXPECT_EQ(work.FontNameD, "メイリオ");
    EXPECT_EQ(work.BoundsB[5], "1,2,3,4");
    EXPECT_EQ(work.LineH, -5);

    const SettingsSet& plain = loaded.settings.SetTable[1];
    EXPECT_FALSE(plain.StatusBarShown());
    EXPECT_EQ(plain.GLStyle, PenStyle::Solid);
    EXPECT_EQ(plain.Mode, 'D');
    EXPECT_EQ(loaded.settings.SetTable[2].name, "");
    EXPECT_THAT(loaded.written, ElementsAre("仕事", "Plain"));
}

TEST(SettingsLoad, ReservedSectionsInAnyCaseAreNeverSets) {
    const Loaded loaded(
        "[TAVRIK]\n[default]\nPitch=9\n[A]\n[RESERVE]\n[（新規作成）]\n[B]\n[Reserved]\n");
    EXPECT_THAT(loaded.settings.SectionList, ElementsAre("A", "B", "Reserved"));
    EXPECT_EQ(loaded.settings.LastSetIndex, 2);
}

TEST(SettingsLoad, OnlyTheFirstTenSetsAreLoaded) {
    const Loaded loaded(TwelveSets());
    EXPECT_EQ(loaded.settings.LastSetIndex, 9);
    EXPECT_EQ(loaded.settings.SectionList.size(), 12u);
    EXPECT_EQ(loaded.settings.SetTable[9].name, "S10");
    EXPECT_EQ(loaded.settings.SetTable[9].Pitch, 10);
    EXPECT_EQ(loaded.settings.SetTable[10].name, "");
    EXPECT_EQ(loaded.written.size(), 10u);
}

TEST(SettingsSave, WritesGlobalKeysByTheirRules) {
    Loaded loaded(
        "; my settings\n[Tavrik]\nCaption=0\nSaveF=1\nWidth=10\nKeyN65=_A__\nKeyN66=BB\n"
        "KeyN67=_C__\nF7=250\nF8=120\nFT150=x\nFStr1=abc\nFStr2=sin(X)\nUnknown=1\n");
    GlobalSettings& g = loaded.settings;
    g.Keys[65] = "";                            // not 4 characters: the key stays as it is
    g.Keys[67] = "_C_";                         // likewise
    g.Keys[66] = "_B__";                        // replaces the malformed entry
    g.Keys[kShiftKeyOffset + 56] = "＊＊＊＊";  // four characters, not four bytes
    g.FT[110 - 100] = "";
    g.FStr[2] = "関数の式";    // four characters: deleted
    g.FStr[3] = "Ｘ＊２．５";  // exactly five characters: written
    loaded.Save();

    EXPECT_EQ(loaded.Global("Caption"), "0");
    EXPECT_EQ(loaded.Global("SaveF"), "1");
    EXPECT_EQ(loaded.Global("Width"), "10");
    EXPECT_EQ(loaded.Global("Unknown"), "1");
    EXPECT_EQ(loaded.Global("Mode"), std::nullopt);
    EXPECT_EQ(loaded.Global("Set"), "Tavrik");
    EXPECT_EQ(loaded.Global("Save"), "0");
    EXPECT_EQ(loaded.Global("MenuH"), "ヘルプ");
    EXPECT_EQ(loaded.Global("HexB"), "");
    EXPECT_EQ(loaded.Global("KK3"), "0");

    EXPECT_EQ(loaded.Global("KeyN65"), "_A__");
    EXPECT_EQ(loaded.Global("KeyN66"), "_B__");
    EXPECT_EQ(loaded.Global("KeyN67"), "_C__");
    EXPECT_EQ(loaded.Global("KeyN48"), "0000");
    EXPECT_EQ(loaded.Global("KeyN68"), std::nullopt);
    EXPECT_EQ(loaded.Global("KeyS56"), "＊＊＊＊");

    EXPECT_EQ(loaded.Global("F1Name"), "関数1");
    EXPECT_EQ(loaded.Global("F7"), std::nullopt);
    EXPECT_EQ(loaded.Global("F8"), "120");
    EXPECT_EQ(loaded.Global("F1"), std::nullopt);
    EXPECT_EQ(loaded.Global("FT109"), "f109");
    EXPECT_EQ(loaded.Global("FT110"), "");
    EXPECT_EQ(loaded.Global("FT150"), "x");
    EXPECT_EQ(loaded.Global("FT101"), std::nullopt);
    EXPECT_EQ(loaded.Global("FStr1"), std::nullopt);
    EXPECT_EQ(loaded.Global("FStr2"), "sin(X)");
    EXPECT_EQ(loaded.Global("FStr3"), std::nullopt);
    EXPECT_EQ(loaded.Global("FStr4"), "Ｘ＊２．５");
    EXPECT_TRUE(loaded.file.Text().starts_with("; my settings\r\n[Tavrik]\r\nCaption=0\r\n"));
}

// Keys added in a later version read as their defaults when absent and are
// written only when set or already there, so an older file saves unchanged.
TEST(SettingsSave, LaterKeysLeaveAnOlderFileAsItWas) {
    Loaded older("[Tavrik]\r\nSet=A\r\n[A]\r\nFPlusF=1\r\n");
    EXPECT_FALSE(older.settings.KeepState);
    EXPECT_FALSE(older.settings.RaiseRunning);
    EXPECT_FALSE(older.settings.SetTable[0].AutoF);
    older.Save();
    EXPECT_EQ(older.Global("KeepState"), std::nullopt);
    EXPECT_EQ(older.Global("RaiseRunning"), std::nullopt);
    EXPECT_EQ(older.file.Read("A", "AutoF"), std::nullopt);
    EXPECT_EQ(older.settings.ReducedTax, 8);
    for (const char* later : {"ReducedTax", "BizDays", "FirstDay", "Gannen", "Holidays"})
        EXPECT_EQ(older.Global(later), std::nullopt) << later;

    older.settings.KeepState = true;
    older.settings.RaiseRunning = true;
    older.settings.BizDays = true;
    older.settings.ReducedTax = 10;
    older.settings.Holidays = "2024/12/30";
    older.settings.SetTable[0].AutoF = true;
    older.Save();
    EXPECT_EQ(older.Global("KeepState"), "1");
    EXPECT_EQ(older.Global("RaiseRunning"), "1");
    EXPECT_EQ(older.file.Read("A", "AutoF"), "1");
    EXPECT_EQ(older.Global("BizDays"), "1");
    EXPECT_EQ(older.Global("ReducedTax"), "10");
    EXPECT_EQ(older.Global("FirstDay"), std::nullopt);
    EXPECT_EQ(older.Global("Holidays"), "2024/12/30");

    Loaded turnedOff(older.file.Text());
    EXPECT_TRUE(turnedOff.settings.KeepState);
    EXPECT_TRUE(turnedOff.settings.RaiseRunning);
    EXPECT_TRUE(turnedOff.settings.BizDays);
    EXPECT_EQ(turnedOff.settings.Holidays, "2024/12/30");
    EXPECT_TRUE(turnedOff.settings.SetTable[0].AutoF);
    turnedOff.settings.KeepState = false;
    turnedOff.settings.SetTable[0].AutoF = false;
    turnedOff.Save();
    EXPECT_EQ(turnedOff.Global("KeepState"), "0") << "a key once written keeps its place";
    EXPECT_EQ(turnedOff.file.Read("A", "AutoF"), std::nullopt) << "a set is written anew";
}

// Keys of commands added later (paste) reach a file without their entry,
// which saves without it; an entry of the file, emptied or not, stands.
TEST(SettingsLoad, LaterKeysFillOnlyEntriesTheFileLacks) {
    Loaded older("[Tavrik]\r\nKeyS45=____\r\n");
    EXPECT_EQ(older.settings.Keys[kCtrlKeyOffset + 'V'], "QQQQ");
    EXPECT_EQ(older.settings.Keys[kShiftKeyOffset + 45], "____");
    older.Save();
    EXPECT_EQ(older.Global("KeyC86"), std::nullopt);
    EXPECT_EQ(older.Global("KeyS45"), "____");

    older.settings.Keys[kCtrlKeyOffset + 'V'] = "QQ_Q";
    older.Save();
    EXPECT_EQ(older.Global("KeyC86"), "QQ_Q") << "a changed entry is written";
    EXPECT_EQ(Loaded("[Tavrik]\r\nKeyC86=\r\n").settings.Keys[kCtrlKeyOffset + 'V'], "");
}

// Undo, redo and the reduced-rate tax keys reach a file from before them,
// which saves without them; the file's own entry for W stands.
TEST(SettingsLoad, UndoAndReducedRateKeysReachOlderFiles) {
    Loaded older("[Tavrik]\r\nKeyN87=___E\r\n");
    const auto code = [&](int index, int mode) {
        return CodeOfKeyTableChar(AssignedKeyChar(older.settings.Keys, index, mode));
    };
    constexpr int kDecimal = 0, kDate = 3;
    EXPECT_EQ(code(kCtrlKeyOffset + 'Z', kDate), kUndo);
    EXPECT_EQ(code(kCtrlKeyOffset + 'Y', kDecimal), kRedo);
    EXPECT_EQ(code('U', kDecimal), kTaxAmount);
    EXPECT_EQ(code('Y', kDecimal), kReducedTaxOut);
    EXPECT_EQ(code('W', kDecimal), 0);
    older.Save();
    for (const char* key : {"KeyC90", "KeyC89", "KeyN85", "KeyN89"})
        EXPECT_EQ(older.Global(key), std::nullopt) << key;
    EXPECT_EQ(older.Global("KeyN87"), "___E");
    Loaded again(older.file.Text());
    again.Save();
    EXPECT_EQ(again.file.Text(), older.file.Text());
}

TEST(SettingsLoad, LaterKeyDefaultsAreTheStartersEntries) {
    std::ifstream starter(TAVRIK_STARTER_FILE, std::ios::binary);
    const Loaded loaded(std::string((std::istreambuf_iterator<char>(starter)), {}));
    for (const LaterKeyDefault& later : kLaterKeyDefaults) {
        EXPECT_EQ(loaded.Global(KeyTableKeyName(later.index)), std::string(later.entry))
            << KeyTableKeyName(later.index);
    }
}

TEST(SettingsSave, GlobalKeysAreWrittenInTheirOrder) {
    Loaded loaded("");
    loaded.Save();
    const std::vector<std::string> keys = loaded.file.KeyNames("Tavrik");
    const std::vector<std::string> head(keys.begin(), keys.begin() + 16);
    EXPECT_THAT(head,
                ElementsAre("Set", "Save", "Menu", "MenuO", "MenuM", "MenuV", "MenuF", "MenuH",
                            "HexB", "HexA", "Tax", "TaxRound", "ErrCtMax", "TPM", "TSR", "KK3"));
}

TEST(SettingsSave, SetsAreRewrittenAndEditedFieldsStoredInCanonicalForm) {
    Loaded loaded("[Tavrik]\n[A]\nFontBoldD=True\nBoundsB3=x\nExtra=kept?\nColor=255\n");
    SettingsSet& a = loaded.settings.SetTable[0];
    a.BoundsB[3].clear();
    a.BoundsB[7] = "7,7";
    a.GLStyle = PenStyle::DashDotDot;
    loaded.Save();
    const auto read = [&](std::string_view key) { return loaded.file.Read("A", key); };
    EXPECT_EQ(read("FontBoldD"), "1");
    EXPECT_EQ(read("BoundsB3"), std::nullopt);
    EXPECT_EQ(read("BoundsB7"), "7,7");
    EXPECT_EQ(read("Extra"), "kept?") << "a key of another version stays";
    EXPECT_EQ(read("Color"), "clRed");
    EXPECT_EQ(read("ColorD"), "clBtnShadow");
    EXPECT_EQ(read("GLStyle"), "psDashDotDot");
    EXPECT_EQ(read("SBA"), "TT");
    EXPECT_EQ(read("Mode"), "D");
    const std::vector<std::string> keys = loaded.file.KeyNames("A");
    EXPECT_EQ(keys.front(), "Mode");
    EXPECT_EQ(keys.back(), "FPlusF");
}

// Zoom, ZoomFit and ManOku: absent reads as the default and the default is
// not written, so an older file saves as it was; other values round-trip.
TEST(SettingsSave, ZoomAndReadingKeysRoundTripAndStayAwayAtTheirDefaults) {
    Loaded loaded("[Tavrik]\n[A]\nMode=D\n[B]\nZoom=150\nZoomFit=1\nManOku=True\nTimeColon=1\n");
    const SettingsSet& a = loaded.settings.SetTable[0];
    const SettingsSet& b = loaded.settings.SetTable[1];
    EXPECT_EQ(a.Zoom, 100);
    EXPECT_FALSE(a.ZoomFit);
    EXPECT_FALSE(a.ManOku);
    EXPECT_FALSE(a.TimeColon);
    EXPECT_EQ(b.Zoom, 150);
    EXPECT_TRUE(b.ZoomFit);
    EXPECT_TRUE(b.ManOku);
    EXPECT_TRUE(b.TimeColon);

    loaded.settings.SetTable[0].Zoom = 250;
    loaded.Save();
    EXPECT_EQ(loaded.file.Read("A", "Zoom"), "250");
    EXPECT_EQ(loaded.file.Read("A", "ZoomFit"), std::nullopt);
    EXPECT_EQ(loaded.file.Read("A", "ManOku"), std::nullopt);
    EXPECT_EQ(loaded.file.Read("A", "TimeColon"), std::nullopt);
    EXPECT_EQ(loaded.file.Read("B", "ManOku"), "1");
    EXPECT_EQ(loaded.file.Read("B", "TimeColon"), "1");
    const Loaded reloaded(loaded.file.Text());
    EXPECT_EQ(reloaded.settings.SetTable[0].Zoom, 250);
    EXPECT_EQ(reloaded.settings.SetTable[1], loaded.settings.SetTable[1]);

    loaded.settings.SetTable[0].Zoom = 100;
    loaded.Save();
    EXPECT_EQ(loaded.file.Read("A", "Zoom"), std::nullopt);
}

TEST(SettingsSave, ExitWritesOnlyTheZoomsThatChanged) {
    const std::string text = "[Tavrik]\r\n[A]\r\nMode=D\r\n[B]\r\nZoom=150\r\nPitch=3\r\n";
    Loaded loaded(text);
    SaveSetZooms(loaded.settings, loaded.file);
    EXPECT_EQ(loaded.file.Text(), text);

    loaded.settings.SetTable[0].Zoom = 200;
    loaded.settings.SetTable[1].Zoom = 100;
    SaveSetZooms(loaded.settings, loaded.file);
    EXPECT_EQ(loaded.file.Text(), "[Tavrik]\r\n[A]\r\nMode=D\r\nZoom=200\r\n[B]\r\nPitch=3\r\n");
}

TEST(SettingsSave, RenamedAndDeletedSetsLeaveNoSectionUnknownOnesStay) {
    Loaded loaded("[Tavrik]\n[Old]\n[Gone]\n[Default]\nX=1\n[reserve]\n[Keep]\nPitch=7\n");
    ASSERT_EQ(loaded.settings.LastSetIndex, 2);
    loaded.settings.SetTable[0].name = "New";
    loaded.settings.SetTable[1] = loaded.settings.SetTable[2];
    loaded.settings.LastSetIndex = 1;
    loaded.Save();
    // A set written again keeps its place; a renamed one is written at the end.
    EXPECT_THAT(loaded.file.SectionNames(),
                ElementsAre("Tavrik", "Default", "reserve", "Keep", "New"));
    EXPECT_EQ(loaded.file.Read("Default", "X"), "1");
    EXPECT_EQ(loaded.file.Read("Keep", "Pitch"), "7");
    EXPECT_THAT(loaded.settings.SectionList, ElementsAre("New", "Keep"));
    EXPECT_THAT(loaded.written, ElementsAre("New", "Keep"));

    loaded.settings.SetTable[0].name = "Newer";
    loaded.Save();
    EXPECT_THAT(loaded.file.SectionNames(),
                ElementsAre("Tavrik", "Default", "reserve", "Keep", "Newer"));
}

TEST(SettingsSave, ASetRenamedOnlyInLetterCaseKeepsItsNewSpelling) {
    Loaded loaded("[Tavrik]\n[Calc]\nPitch=3\n");
    loaded.settings.SetTable[0].name = "CALC";
    loaded.Save();
    EXPECT_NE(loaded.file.Text().find("\r\n[CALC]\r\n"), std::string::npos);
    EXPECT_THAT(Loaded(loaded.file.Text()).settings.SectionList, ElementsAre("CALC"));
}

TEST(SettingsSave, CommentsAndUnknownKeysStayInPlaceInTheSetSections) {
    Loaded loaded(
        "[Tavrik]\r\n[A]\r\n; note\r\nMode=H\r\nFuture=1\r\nPitch=4\r\nBoundsB3=1,2,3,4\r\n"
        "; tail\r\n\r\n[B]\r\n; gone with its set\r\nPitch=1\r\n");
    loaded.settings.SetTable[0].BoundsB[3].clear();
    loaded.settings.LastSetIndex = 0;  // B deleted
    loaded.Save();
    loaded.Save();
    const std::string text = loaded.file.Text();
    EXPECT_TRUE(text.starts_with("[Tavrik]\r\n")) << text;
    EXPECT_NE(text.find("[A]\r\n; note\r\nMode=H\r\nRoundM=0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nFuture=1\r\nPitch=4\r\nTBA=1\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\r\nFPlusF=0\r\n; tail\r\n\r\n")) << text;
    EXPECT_EQ(text.find("BoundsB3"), std::string::npos);
    EXPECT_EQ(text.find("[B]"), std::string::npos);
    EXPECT_EQ(text.find("gone"), std::string::npos);
}

TEST(SettingsSave, TheSameTenSetsLoadAfterASave) {
    Loaded loaded(TwelveSets());
    loaded.Save();
    const Loaded reloaded(loaded.file.Text());
    EXPECT_EQ(reloaded.settings.LastSetIndex, 9);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(reloaded.settings.SetTable[k].name, "S" + std::to_string(k + 1));
        EXPECT_EQ(reloaded.settings.SetTable[k].Pitch, k + 1);
    }
}

TEST(SettingsSave, SetsBeyondTheTenthStayInTheFile) {
    Loaded loaded(TwelveSets());
    loaded.Save();
    loaded.Save();
    EXPECT_EQ(loaded.file.Read("S11", "Pitch"), "11");
    EXPECT_EQ(loaded.file.Read("S12", "Pitch"), "12");
    EXPECT_EQ(loaded.file.KeyNames("S12").size(), 1u);
    EXPECT_EQ(loaded.file.Read("S10", "Pitch"), "10");
    EXPECT_EQ(loaded.file.SectionNames().size(), 13u);
}

TEST(SettingsSave, SetsWithoutNameOrWithReservedNameAreNotWritten) {
    IniDocument file = IniDocument::Parse("[Tavrik]\nTax=8\n");
    SettingsSet set;
    EXPECT_FALSE(WriteSetSection(set, file));
    set.name = "tavrik";
    EXPECT_FALSE(WriteSetSection(set, file));
    set.name = "Tavrik2";
    EXPECT_TRUE(WriteSetSection(set, file));
    EXPECT_THAT(file.SectionNames(), ElementsAre("Tavrik", "Tavrik2"));
    EXPECT_THAT(file.KeyNames("Tavrik"), ElementsAre("Tax"));
}

TEST(SettingsSave, ExitStateWritesTheWindowKeys) {
    IniDocument file = IniDocument::Parse("[Tavrik]\nSave=1\nTop=5\n");
    SaveExitState({'C', true, 320, 240, -20, 15}, file);
    EXPECT_EQ(file.Text(),
              "[Tavrik]\r\nSave=1\r\nTop=-20\r\nMode=C\r\nTrans=1\r\nWidth=320\r\n"
              "Height=240\r\nLeft=15\r\n");
}

TEST(SettingsLoad, CaptionFlagDefaultsToTrue) {
    EXPECT_TRUE(ReadCaptionFlag(IniDocument::Parse("")));
    EXPECT_TRUE(ReadCaptionFlag(IniDocument::Parse("[Tavrik]\nCaption=x\n")));
    EXPECT_FALSE(ReadCaptionFlag(IniDocument::Parse("[TAVRIK]\ncaption=false\n")));
}

TEST(SettingsLoad, KeyTableKeyNames) {
    EXPECT_EQ(KeyTableKeyName(0), "KeyN0");
    EXPECT_EQ(KeyTableKeyName(255), "KeyN255");
    EXPECT_EQ(KeyTableKeyName(256), "KeyC1");
    EXPECT_EQ(KeyTableKeyName(510), "KeyC255");
    EXPECT_EQ(KeyTableKeyName(511), "KeyS1");
    EXPECT_EQ(KeyTableKeyName(765), "KeyS255");
}

}  // namespace
}  // namespace tavrik
