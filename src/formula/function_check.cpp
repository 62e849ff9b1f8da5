#include "formula/function_check.h"

#include <unicode/utf8.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

namespace {

// The class of the token text read so far: 0 empty, 1 a variable or a
// non-zero number, -1 zero or not a number.
int Classify(const std::string& text) {
    if (text.empty()) return 0;
    if (text == "X" || text == "x") return 1;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || stop != end) return -1;
    return value != 0 ? 1 : -1;
}

std::vector<UChar32> CodePointsWithoutBlanks(std::string_view text) {
    std::vector<UChar32> chars;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c != ' ') chars.push_back(c);
    }
    return chars;
}

// The fault at character i, if any; updates the token text and the depth.
const char* Step(const std::vector<UChar32>& chars, std::size_t i, std::string& token, int& depth) {
    const UChar32 c = chars[i];
    const bool first = i == 0;
    const UChar32 previous = first ? 0 : chars[i - 1];
    const int cls = Classify(token);
    switch (c) {
        case 'X':
        case 'Y':
            if (cls < 0) return "数値変換エラー";
            if (cls > 0) return "変数位置エラー";
            token.assign(1, 'X');
            return nullptr;
        case '.':
            if (token.find('.') != std::string::npos) return "小数点エラー";
            token += '.';
            return nullptr;
        case '(':
            if (cls != 0 && !first && previous != '(') return "「(」位置エラー";
            token.clear();
            ++depth;
            return nullptr;
        case ')':
            if (cls < 0) return "数値変換エラー";
            if (depth < 1) return "括弧対応エラー";
            if (cls == 0 && previous != ')') return "「)」位置エラー";
            token.clear();
            --depth;
            return nullptr;
        case '=':
            if (cls < 0) return "数値変換エラー";
            if ((cls == 0 && previous != ')') || first || i + 1 != chars.size())
                return "「=」位置エラー";
            return nullptr;
        case '-':
            if (cls < 0) return "数値変換エラー";
            if (cls == 0 && first)
                token.assign(1, '-');
            else
                token.clear();
            return nullptr;
        case '*':
        case '+':
        case '/':
            if (cls < 0) return "数値変換エラー";
            if (cls == 0 && (first || previous != ')')) return "演算子位置エラー";
            token.clear();
            return nullptr;
        default:
            if (c >= '0' && c <= '9') {
                if (token.find('X') != std::string::npos) return "数値変換エラー";
                token += static_cast<char>(c);
            }
            return nullptr;
    }
}

}  // namespace

std::optional<FormulaCheck> CheckFunctionFormula(std::string_view formula) {
    if (formula.empty()) return std::nullopt;
    const std::vector<UChar32> chars = CodePointsWithoutBlanks(formula);
    std::string token;
    int depth = 0;
    bool hasX = false;
    bool hasY = false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (const char* fault = Step(chars, i, token, depth))
            return FormulaCheck{BoxKind::Warning, std::string(fault).append("があります"), i};
        hasX = hasX || chars[i] == 'X';
        hasY = hasY || chars[i] == 'Y';
    }
    if (hasY && !hasX) return FormulaCheck{BoxKind::Warning, "「X」がありません"};
    return FormulaCheck{BoxKind::Information, "確認しました"};
}

void ShowFunctionFormulaCheck(View& view, std::string_view formula) {
    if (const auto check = CheckFunctionFormula(formula))
        view.messageBox(check->kind, check->message);
}

}  // namespace tavrik
