#include "formula/function_catalogue.h"

#include <algorithm>
#include <functional>

#include "formula/operations.h"
#include "settings/function_cells.h"

namespace tavrik {

namespace {

// x is the displayed value (the first operand), y the second operand of the
// two-operand functions. Angles are in radians unless a name says otherwise.
constexpr CatalogueEntry kCatalogue[] = {
    {101, "平方根", "x の平方根 (x ≥ 0)"},
    {102, "2乗", "x の2乗 x²"},
    {103, "逆数", "1 ÷ x (x ≠ 0)"},
    {104, "正弦 sin", "x の正弦 (x はラジアン)"},
    {105, "余弦 cos", "x の余弦 (x はラジアン)"},
    {106, "正接 tan", "x の正接 (x はラジアン)"},
    {107, "円周率 π", "円周率 π = 3.14159… (x は使いません)"},
    {109, "ユーザー関数1", "「関数（定義）」の1行目の式で x (式に Y があれば x と y) から計算"},
    {110, "ユーザー関数2", "「関数（定義）」の2行目の式で x (式に Y があれば x と y) から計算"},
    {111, "ユーザー関数3", "「関数（定義）」の3行目の式で x (式に Y があれば x と y) から計算"},
    {112, "ユーザー関数4", "「関数（定義）」の4行目の式で x (式に Y があれば x と y) から計算"},
    {113, "ユーザー関数5", "「関数（定義）」の5行目の式で x (式に Y があれば x と y) から計算"},
    {114, "ユーザー関数6", "「関数（定義）」の6行目の式で x (式に Y があれば x と y) から計算"},
    {121, "整数部", "x の整数部 (0 の方向へ切り捨て)"},
    {122, "整数部（64ビット）", "x を 0 の方向へ切り捨てた64ビット整数 (|x| < 2⁶³)"},
    {123, "切り上げ", "x 以上の最小の整数 (32ビット整数)"},
    {124, "切り捨て", "x 以下の最大の整数 (32ビット整数)"},
    {125, "小数部", "x の小数部 (x の符号が付きます)"},
    {126, "丸め", "x に最も近い64ビット整数 (ちょうど中間は偶数へ)"},
    {127, "階乗 n!", "x の階乗 (x は0以上の整数。小数部のある x はそのまま)"},
    {128, "順列 nPr", "x 個から y 個を選んで並べる順列の数 (x, y は0以上の整数)"},
    {129, "組合せ nCr", "x 個から y 個を選ぶ組合せの数 (x, y は0以上の整数)"},
    {131, "指数関数 eˣ", "e の x 乗"},
    {133, "x × 2ʸ", "x × 2 の y 乗 (y は整数に丸めます)"},
    {134, "自然対数 ln", "x の自然対数 (x > 0)"},
    {135, "ln(1+x)", "1 + x の自然対数 (x > −1。x が0に近くても精密)"},
    {136, "対数 log₂", "2 を底とする x の対数 (x > 0)"},
    {137, "常用対数 log", "10 を底とする x の対数 (x > 0)"},
    {138, "log_x y", "x を底とする y の対数 (x > 0, x ≠ 1, y > 0)"},
    {139, "べき乗 xʸ", "x の y 乗"},
    {141, "乱数の種", "乱数の種を x (整数に丸めます) にします。結果は x のまま"},
    {142, "乱数", "0 以上 1 未満の一様な乱数 (x は使いません)"},
    {143, "乱数（整数）", "0 以上 x 未満の整数の乱数 (x は整数に丸めます)"},
    {144, "乱数（範囲）", "x と y の小さい方以上、大きい方未満の整数の乱数"},
    {145, "乱数（正規分布）", "平均 x、標準偏差 y の正規分布に従う乱数"},
    {151, "逆余弦 acos", "x の逆余弦、ラジアン (−1 ≤ x ≤ 1)"},
    {152, "逆双曲線余弦 acosh", "x の逆双曲線余弦 (x ≤ 1 では0)"},
    {153, "tan(1/x)", "1 ÷ x の正接 (x ≠ 0)"},
    {154, "cot(1/x)", "1 ÷ x の余接 (x ≠ 0)"},
    {155, "sin(1/x)", "1 ÷ x の正弦 (x ≠ 0)"},
    {156, "csc(1/x)", "1 ÷ x の余割 (x ≠ 0)"},
    {157, "cos(1/x)", "1 ÷ x の余弦 (x ≠ 0)"},
    {158, "sec(1/x)", "1 ÷ x の正割 (x ≠ 0)"},
    {159, "逆正弦 asin", "x の逆正弦、ラジアン (−1 ≤ x ≤ 1)"},
    {160, "逆双曲線正弦 asinh", "x の逆双曲線正弦"},
    {161, "偏角 atan2", "点 (y, x) の偏角: x ÷ y の逆正接を象限に合わせて、ラジアン"},
    {162, "余割 csc", "1 ÷ sin x (sin x ≠ 0)"},
    {163, "双曲線余弦 cosh", "x の双曲線余弦"},
    {164, "余接 cot", "1 ÷ tan x (tan x ≠ 0)"},
    {165, "余接 cot", "1 ÷ tan x (tan x ≠ 0)"},
    {166, "双曲線余接 coth", "1 ÷ tanh x (x ≠ 0)"},
    {167, "余割 csc", "1 ÷ sin x (sin x ≠ 0)"},
    {168, "双曲線余割 csch", "1 ÷ sinh x (x ≠ 0)"},
    {169, "回転→度", "回転数 x を度に (× 360)"},
    {170, "回転→グラード", "回転数 x をグラードに (× 400)"},
    {171, "回転→ラジアン", "回転数 x をラジアンに (× 2π)"},
    {172, "度→回転", "度 x を回転数に (÷ 360)"},
    {173, "度→グラード", "度 x をグラードに (× 400 ÷ 360)"},
    {174, "度→ラジアン", "度 x をラジアンに (× π ÷ 180)"},
    {175, "グラード→回転", "グラード x を回転数に (÷ 400)"},
    {176, "グラード→度", "グラード x を度に (× 360 ÷ 400)"},
    {177, "グラード→ラジアン", "グラード x をラジアンに (× π ÷ 200)"},
    {178, "斜辺 hypot", "√(x² + y²)。大きな x, y でもあふれません"},
    {179, "ラジアン→回転", "ラジアン x を回転数に (÷ 2π)"},
    {180, "ラジアン→度", "ラジアン x を度に (× 180 ÷ π)"},
    {181, "ラジアン→グラード", "ラジアン x をグラードに (× 200 ÷ π)"},
    {182, "正割 sec", "1 ÷ cos x (cos x ≠ 0)"},
    {183, "正割 sec", "1 ÷ cos x (cos x ≠ 0)"},
    {184, "双曲線正割 sech", "1 ÷ cosh x"},
    {185, "双曲線正弦 sinh", "x の双曲線正弦"},
    {186, "双曲線正接 tanh", "x の双曲線正接"},
    {187, "万倍", "x × 10⁴ (万)"},
    {188, "億倍", "x × 10⁸ (億)"},
    {189, "兆倍", "x × 10¹² (兆)"},
    {190, "京倍", "x × 10¹⁶ (京)"},
};

static_assert(std::ranges::is_sorted(kCatalogue, std::less<>{}, &CatalogueEntry::code));

}  // namespace

std::span<const CatalogueEntry> FunctionCatalogue() {
    return kCatalogue;
}

const CatalogueEntry* FindCatalogueEntry(int code) {
    const auto found =
        std::ranges::lower_bound(kCatalogue, code, std::less<>{}, &CatalogueEntry::code);
    return found != std::ranges::end(kCatalogue) && found->code == code ? found : nullptr;
}

std::string FunctionHelpText(int code, const GlobalSettings& settings) {
    const CatalogueEntry* entry = FindCatalogueEntry(code);
    if (!entry) return {};
    std::string text = std::string(entry->name) + ": " + std::string(entry->description);
    if (code >= kFirstUserFunction && code < kFirstUserFunction + kUserFunctions) {
        const std::string& formula =
            settings.FStr[static_cast<std::size_t>(code - kFirstUserFunction)];
        text += formula.empty() ? "。式はまだありません" : "。式: " + formula;
    }
    return text;
}

std::string FunctionListText(const GlobalSettings& settings, int code) {
    std::string text = FunctionChoiceText(settings, code);
    const CatalogueEntry* entry = FindCatalogueEntry(code);
    if (entry && settings.FunctionTitle(code) == DefaultFunctionTitle(code))
        text.append(1, ' ').append(entry->name);
    return text;
}

}  // namespace tavrik
