#include "engine/key_descriptions.h"

#include <array>

#include "formula/function_catalogue.h"
#include "settings/key_codes.h"

namespace tavrik {

namespace {

constexpr std::string_view kUnusedInMode = "このモードでは使いません";
constexpr std::string_view kNoFunctionAssigned = "関数が割り当てられていません";
constexpr std::string_view kComputesNothing = "この番号の関数はなく、x をそのまま返します";
constexpr std::string_view kHelpSeparator = " — ";

// Keys whose meaning is the same in every mode, indexed by code.
constexpr std::array<std::string_view, kOnScreenKeys + 1> kCommonKeys = {
    "",
    "数字 0",
    "数字 1",
    "数字 2",
    "数字 3",
    "数字 4",
    "数字 5",
    "数字 6",
    "数字 7",
    "数字 8",
    "数字 9",
    "",
    "",
    "",
    "",
    "",
    "",  // A … F depend on the mode
    "0 を3桁入力",
    "小数点",
    "足し算",
    "引き算",
    "掛け算",
    "割り算",
    "計算を実行",
    "パーセント: x × 0.01",
    "符号を反転",
    "入力をクリア",
    "",  // M+ depends on the mode
    "表示の値をメモリーから引く",
    "メモリーを呼び出す",
    "メモリーをクリア",
    "すべてクリア",
    "1文字消去",
    "",
    "",  // 33 and 34 depend on the mode
    "表示をコピー",
};

std::string_view LetterKey(CalcMode mode, int code) {
    static constexpr std::array<std::string_view, 6> kHexDigits = {
        "16進数字 A (10)", "16進数字 B (11)", "16進数字 C (12)",
        "16進数字 D (13)", "16進数字 E (14)", "16進数字 F (15)"};
    static constexpr std::array<std::string_view, 6> kTimeUnits = {
        "",
        "",
        "数字に単位「日」を付ける (数字がなければ今日の日)",
        "数字に単位「時」を付ける (数字がなければ今の時)",
        "数字に単位「分」を付ける (数字がなければ今の分)",
        "数字に単位「秒」を付ける (数字がなければ今の秒)"};
    static constexpr std::array<std::string_view, 6> kDateKeys = {
        "数字に単位「年」を付ける (暦の日付で数字がなければ今年)",
        "数字に単位「月」を付ける (暦の日付で数字がなければ今月)",
        "数字に単位「日」を付ける (暦の日付で数字がなければ今日)",
        "",
        "暦の日付を補って曜日を付ける",
        "暦の日付の印「c 」を付け外し (日数と日付の切り替え)"};
    const auto index = static_cast<std::size_t>(code - kKeyA);
    switch (mode) {
        case CalcMode::Mixed:
            return kHexDigits[index];
        case CalcMode::Time:
            return kTimeUnits[index];
        case CalcMode::Date:
            return kDateKeys[index];
        case CalcMode::Decimal:
            break;
    }
    return {};
}

std::string_view ModeKey(CalcMode mode, int code) {
    const bool unitMode = mode == CalcMode::Time || mode == CalcMode::Date;
    if (code == kMemoryAdd) return unitMode ? "表示をメモリーに記憶" : "表示の値をメモリーに足す";
    if (mode == CalcMode::Time && code == kTaxOut)
        return "単位を繰り上げて換算 (押すたびに表し方が変わる)。右クリックで時間計算のメニュー";
    if (unitMode)
        return code == kTaxIn ? "単位を順に並べ替える (繰り上げはしない)"
                              : "単位を繰り上げて換算 (押すたびに表し方が変わる)";
    if (mode == CalcMode::Mixed)
        return code == kTaxIn ? "10進数で入力・表示" : "16進数で入力・表示";
    return code == kTaxIn ? "税率を加えた税込み金額" : "税率を除いた税抜き金額";
}

// The time-sheet keys, from kDecimalHours on; they work in time mode only.
constexpr std::array<std::string_view, kRoundNearest30 - kDecimalHours + 1> kTimeSheetKeys = {
    "時間を10進の時間数に換算 (8時15分 → 8.25)、時間数は時間に戻す",
    "二つの時刻の間の時間 (日をまたいでも: 22時 時刻差 6時 = で 8時間)",
    "15分単位に切り上げ",
    "15分単位に切り捨て",
    "15分単位に四捨五入",
    "30分単位に切り上げ",
    "30分単位に切り捨て",
    "30分単位に四捨五入",
};

}  // namespace

std::string_view FixedKeyDescription(CalcMode mode, int code) {
    if (code >= kKeyA && code <= kKeyF) return LetterKey(mode, code);
    if (code == kMemoryAdd || code == kTaxIn || code == kTaxOut) return ModeKey(mode, code);
    if (code == kNextTimeUnit) return "次の時間の単位を付ける";
    if (code == kNextDateUnit) return "次の日付の単位を付ける";
    if (code == kPaste) return "クリップボードの数を貼り付ける";
    if (code == kReducedTaxIn) return "軽減税率を加えた税込み金額";
    if (code == kReducedTaxOut) return "軽減税率を除いた税抜き金額";
    if (code == kTaxAmount) return "税込み金額に含まれる税額 (最後に使った税率で)";
    if (code == kUndo) return "キー操作を一つ元に戻す (Shift も押すとやり直し)";
    if (code == kRedo) return "元に戻したキー操作をやり直す";
    if (IsTimeSheetCode(code))
        return mode == CalcMode::Time
                   ? kTimeSheetKeys[static_cast<std::size_t>(code - kDecimalHours)]
                   : kUnusedInMode;
    if (code < kDigit0 || code > kOnScreenKeys) return {};
    return kCommonKeys[static_cast<std::size_t>(code)];
}

std::string KeyDescription(CalcMode mode, const KeyFace& face, const GlobalSettings& settings) {
    // A function key: an untitled code counts as no function.
    if (mode == CalcMode::Decimal && face.code >= kNoFunction) {
        if (face.caption.empty() || face.code == kNoFunction)
            return std::string(kNoFunctionAssigned);
        const std::string text = FunctionHelpText(face.code, settings);
        return text.empty() ? std::string(kComputesNothing) : text;
    }
    if (!face.enabled) return std::string(kUnusedInMode);
    return std::string(FixedKeyDescription(mode, face.code));
}

std::string KeyHelpText(const KeyFace& face) {
    if (face.caption.empty()) return face.description;
    if (face.description.empty()) return face.caption;
    return face.caption + std::string(kHelpSeparator) + face.description;
}

}  // namespace tavrik
