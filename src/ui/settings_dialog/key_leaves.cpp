#include "ui/settings_dialog/key_leaves.h"

#include <array>

#include "engine/button_codes.h"

namespace tavrik::ui {

namespace {

constexpr std::array<KeyLeaf, 11> kDigits{{{"0", 1},
                                           {"1", 2},
                                           {"2", 3},
                                           {"3", 4},
                                           {"4", 5},
                                           {"5", 6},
                                           {"6", 7},
                                           {"7", 8},
                                           {"8", 9},
                                           {"9", 10},
                                           {"000", 17}}};
constexpr std::array<KeyLeaf, 6> kLetters{{{"A・年", 11},
                                           {"B・月", 12},
                                           {"C・日", 13},
                                           {"D・時", 14},
                                           {"E・分・曜", 15},
                                           {"F・秒・暦", 16}}};
constexpr std::array<KeyLeaf, 8> kSigns{
    {{".", 18}, {"+", 19}, {"-", 20}, {"*", 21}, {"/", 22}, {"%", 24}, {"=", 23}, {"+/-", 25}}};
constexpr std::array<KeyLeaf, 11> kOthers{{{"AC", 31},
                                           {"BS", 32},
                                           {"CR", 26},
                                           {"M+・M>", 27},
                                           {"M-", 28},
                                           {"MR", 29},
                                           {"MC", 30},
                                           {"税込・#d・整列", 33},
                                           {"税抜・#16・変換", 34},
                                           {"Cb", 35},
                                           {"貼り付け", kPaste}}};
constexpr std::array<KeyLeaf, 2> kExtra{{{"時間区切記号", 36}, {"日付区切記号", 37}}};

const std::array<KeyGroup, 5> kGroups{{{"数字(0-9)", kDigits},
                                       {"数字(A-E)", kLetters},
                                       {"記号", kSigns},
                                       {"その他", kOthers},
                                       {"拡張", kExtra}}};

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
