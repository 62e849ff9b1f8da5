// In-memory mirror of Tavrik.ini: the global [Tavrik] section and the named
// settings sets. Field names are the INI key names, so a key found in a file
// and the field that holds it are spelled alike.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/function_codes.h"
#include "settings/key_codes.h"

namespace tavrik {

// 32-bit colour: 0x00BBGGRR, 0x80000000 + system-colour index, or one of the
// two special values below.
using Color = std::uint32_t;
inline constexpr Color kClNone = 0x1FFFFFFF;
inline constexpr Color kClDefault = 0x20000000;
inline constexpr Color SystemColor(int index) {
    return 0x80000000u + static_cast<Color>(index);
}
inline constexpr Color kClBtnShadow = SystemColor(16);
inline constexpr Color kClBtnText = SystemColor(18);
inline constexpr Color kClWindow = SystemColor(5);
inline constexpr Color kClWindowText = SystemColor(8);
inline constexpr Color kClRed = 0x000000FF;
inline constexpr Color kClBlue = 0x00FF0000;

enum class PenStyle : std::uint8_t { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

// Number of key-table entries: KeyN0..KeyN255 at 0..255, KeyC1..KeyC255 at
// 256..510 and KeyS1..KeyS255 at 511..765.
inline constexpr int kKeyTableSize = 766;
inline constexpr int kCtrlKeyOffset = 255;
inline constexpr int kShiftKeyOffset = 510;

inline constexpr int kSetSlots = 11;  // slots 0..9 for loaded sets, 10 the default set
inline constexpr int kDefaultSetSlot = 10;

inline constexpr int kDefaultZoom = 100;  // percent

inline const std::string kDefaultFontName = "ＭＳ Ｐゴシック";

// One display and behaviour profile (one INI section besides [Tavrik]).
struct SettingsSet {
    std::string name;

    char Mode = 'D';
    int RoundM = 0;
    int RoundD = 0;
    std::string Disp = "DBM/FSH";
    int Pitch = 2;
    bool TBA = true;
    std::string SBA = "TT";
    Color Color_ = kClBtnShadow;  // INI key "Color"
    bool PTrans = false;
    bool Trans = false;
    int AlphaA = 255;
    int AlphaD = 127;
    int GXPos = -1;
    int GXWidth = 2;
    Color GXColor = kClRed;
    int GYPos = -1;
    int GYWidth = 2;
    Color GYColor = kClBlue;
    int GLXPitch = -1;
    int GLYPitch = -1;
    int GLWidth = 1;
    PenStyle GLStyle = PenStyle::Solid;
    Color GLColor = kClWindowText;

    Color ColorD = kClBtnShadow;
    std::string FontNameD = kDefaultFontName;
    int FontSizeD = 9;
    bool FontBoldD = false;
    Color FontColorD = kClWindowText;
    Color BackColorD = kClWindow;
    int DigitsD = 23;

    Color ColorB = kClBtnShadow;
    std::string FontNameB = kDefaultFontName;
    int FontSizeB = 9;
    bool FontBoldB = false;
    Color FontColorB = kClWindowText;
    int DigitsB = 24;
    int PitchB = 2;
    std::array<std::string, kKeySlots> BoundsB;  // index = button code 1..35; 0 unused

    Color ColorM = kClBtnShadow;
    std::string FontNameM = kDefaultFontName;
    int FontSizeM = 9;
    bool FontBoldM = false;
    Color FontColorM = kClWindowText;
    Color BackColorM = kClWindow;
    int DigitsM = 23;

    Color ColorH = kClBtnShadow;
    std::string FontNameH = kDefaultFontName;
    int FontSizeH = 9;
    bool FontBoldH = false;
    Color FontColorH = kClWindowText;
    Color BackColorH = kClWindow;
    int DigitsH = 23;
    int LineH = -5;
    int MaxLineH = 0;
    int LNoTypeH = 0;
    // "結果を表示": the history list shows the result and grand total of each
    // "=" line and the result of each tax, % and function line.
    bool ResultH = false;

    Color ColorS = kClBtnShadow;
    std::string FontNameS = kDefaultFontName;
    int FontSizeS = 9;
    bool FontBoldS = false;
    Color FontColorS = kClBtnText;
    bool MoveS = true;

    Color ColorF = kClBtnShadow;
    std::string FontNameF = kDefaultFontName;
    int FontSizeF = 9;
    bool FontBoldF = false;
    Color FontColorF = kClWindowText;
    Color BackColorF = kClWindow;
    int DigitsF = 23;
    int LineF = 5;
    int ScBarF = 0;
    bool FRBtnF = true;
    bool DblClickF = true;
    bool FPlusF = false;
    // "自動計算": the formula panel answers its lines as they are edited.
    bool AutoF = false;

    int Zoom = kDefaultZoom;  // "倍率": every size the layout takes from the set, in percent
    bool ZoomFit = false;  // "ウィンドウに合わせる": the zoom follows the window's size
    bool ManOku = false;   // "万・億表示": the display value also read in 万, 億, 兆 …
    // "時間モードの区切りを時:分:秒と読む": in time mode the next-unit key
    // (":") gives 時, then 分, then 秒, as a pasted "8:45:30" reads.
    bool TimeColon = false;

    // The status bar is hidden when the second character of SBA is "F".
    bool StatusBarShown() const { return SBA.size() < 2 || SBA[1] != 'F'; }

    bool operator==(const SettingsSet&) const = default;
};

std::string DefaultFunctionTitle(int code);       // "f101" … "f200"; empty for 100
std::string DefaultFunctionGroupName(int index);  // "関数1" … "関数10" for index 1..10

// The [Tavrik] section and the set table.
struct GlobalSettings {
    std::string Set = "Tavrik";
    bool Save = false;
    int Menu = 0;
    std::string MenuO = "操作";
    std::string MenuM = "モード";
    std::string MenuV = "表示";
    std::string MenuF = "関数";
    std::string MenuH = "ヘルプ";
    std::string HexB;
    std::string HexA;
    int Tax = 5;
    int TaxRound = 0;
    int ReducedTax = 8;  // "軽減税率", percent, for the keys 軽減税込 and 軽減税抜
    int ErrCtMax = 10;
    bool SaveF = false;
    bool TPM = false;
    bool TSR = false;
    bool KK3 = false;
    // "終了時に履歴とメモリーを残す": the history lists and memory registers
    // are kept across a restart.
    bool KeepState = false;
    // "もう一度起動したらウィンドウを表示": a second start shows, raises and
    // activates the running copy's window (also from the tray).
    bool RaiseRunning = false;
    // "営業日計算": date mode counts business days (a bare number added to a
    // date, a date divided by a date) and names holidays.
    bool BizDays = false;
    // "初日算入": day counts include the first day.
    bool FirstDay = false;
    // "元年": the first year of an era is shown as 元年.
    bool Gannen = false;
    // "休業日": the user's own days off, "2024/12/30,2024/12/31".
    std::string Holidays;
    char Mode = 'D';
    bool Trans = false;
    int Width = -9999;
    int Height = -9999;
    int Left = -9999;
    int Top = -9999;

    // 4-character entries, one character per mode in the order D, H, T, C.
    std::array<std::string, kKeyTableSize> Keys;
    // Function titles, index = code - kNoFunction; element 0 always empty.
    std::array<std::string, kFunctionTitles> FT;
    std::array<std::string, 10> FName;             // F1Name … F10Name
    std::array<int, 60> F;                         // F1 … F60: function codes, kNoFunction = none
    std::array<std::string, kUserFunctions> FStr;  // FStr1 … FStr6: user function formulas

    std::vector<std::string> SectionList;
    int LastSetIndex = -1;
    std::array<SettingsSet, kSetSlots> SetTable;

    GlobalSettings();

    const std::string& FunctionTitle(int code) const;  // code 100..200

    bool operator==(const GlobalSettings&) const = default;
};

// Set the digit keys 48..57 to "0000" … "9999" where they are empty.
void ApplyDigitKeyDefaults(GlobalSettings& settings);

// The keys the starter file gives to commands added after the first key
// table (paste, the reduced-rate tax keys, undo and redo). A settings file
// with no entry at all for such a key gets this one, so that the command
// works in files that predate it; an entry of the file, even one emptied to
// "____", stands.
struct LaterKeyDefault {
    int index;  // in the key table
    std::string_view entry;
};
inline constexpr std::array<LaterKeyDefault, 7> kLaterKeyDefaults{{
    {kCtrlKeyOffset + 'V', "QQQQ"},  // Ctrl+V: paste ("Q", a key-table-only code)
    {kShiftKeyOffset + 45, "QQQQ"},  // Shift+Insert (virtual key 45): paste
    {'U', "U___"},                   // U: 税額 in 10進
    {'W', "W__E"},                   // W: 軽減税込 in 10進, 曜 in 日付
    {'Y', "Y__A"},                   // Y: 軽減税抜 in 10進, 年 in 日付
    {kCtrlKeyOffset + 'Z', "MMMM"},  // Ctrl+Z: undo (Ctrl+Shift+Z: redo)
    {kCtrlKeyOffset + 'Y', "NNNN"},  // Ctrl+Y: redo
}};
// The later key's default entry at `index`; empty when the key has none.
std::string_view LaterKeyEntry(int index);

}  // namespace tavrik
