#include "ui/settings_dialog/key_leaves.h"

#include <array>

#include "engine/time_sheet_keys.h"
#include "settings/key_codes.h"

namespace tavrik::ui {

namespace {

constexpr std::array<KeyLeaf, 11> kDigits{{{"0", DigitCode(0)},
                                           {"1", DigitCode(1)},
                                           {"2", DigitCode(2)},
                                           {"3", DigitCode(3)},
                                           {"4", DigitCode(4)},
                                           {"5", DigitCode(5)},
                                           {"6", DigitCode(6)},
                                           {"7", DigitCode(7)},
                                           {"8", DigitCode(8)},
                                           {"9", DigitCode(9)},
                                           {"000", kThreeZeros}}};
constexpr std::array<KeyLeaf, 6> kLetters{{{"A・年", kKeyA},
                                           {"B・月", kKeyB},
                                           {"C・日", kKeyC},
                                           {"D・時", kKeyD},
                                           {"E・分・曜", kKeyE},
                                           {"F・秒・暦", kKeyF}}};
constexpr std::array<KeyLeaf, 8> kSigns{{{".", kPoint},
                                         {"+", kAdd},
                                         {"-", kSubtract},
                                         {"*", kMultiply},
                                         {"/", kDivide},
                                         {"%", kPercent},
                                         {"=", kEquals},
                                         {"+/-", kChangeSign}}};
constexpr std::array<KeyLeaf, 16> kOthers{{{"AC", kAllClear},
                                           {"BS", kBackspace},
                                           {"CR", kClearEntry},
                                           {"M+・M>", kMemoryAdd},
                                           {"M-", kMemorySubtract},
                                           {"MR", kMemoryRecall},
                                           {"MC", kMemoryClear},
                                           {"税込・#d・整列", kTaxIn},
                                           {"税抜・#h・変換", kTaxOut},
                                           {"Cb", kCopy},
                                           {"貼り付け", kPaste},
                                           {"軽減税込", kReducedTaxIn},
                                           {"軽減税抜", kReducedTaxOut},
                                           {"税額", kTaxAmount},
                                           {"元に戻す", kUndo},
                                           {"やり直し", kRedo}}};
constexpr std::array<KeyLeaf, 2> kExtra{
    {{"時間区切記号", kNextTimeUnit}, {"日付区切記号", kNextDateUnit}}};
// The time-sheet keys of time mode, captioned with their labels.
constexpr std::array<KeyLeaf, kTimeSheetKeyLabels.size()> kTimeSheet = [] {
    std::array<KeyLeaf, kTimeSheetKeyLabels.size()> leaves{};
    for (int code = kDecimalHours; code <= kRoundNearest30; ++code)
        leaves[static_cast<std::size_t>(code - kDecimalHours)] = {TimeSheetKeyLabel(code), code};
    return leaves;
}();

const std::array<KeyGroup, 6> kGroups{{{"数字(0-9)", kDigits},
                                       {"数字(A-F)", kLetters},
                                       {"記号", kSigns},
                                       {"その他", kOthers},
                                       {"拡張", kExtra},
                                       {"時間計算", kTimeSheet}}};

}  // namespace

std::span<const KeyGroup> KeyGroups() {
    return kGroups;
}

std::string_view KeyLeafCaption(int code) {
    for (const KeyGroup& group : kGroups)
        for (const KeyLeaf& leaf : group.leaves)
            if (leaf.code == code) return leaf.caption;
    return {};
}

}  // namespace tavrik::ui
