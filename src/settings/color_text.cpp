#include "settings/color_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <iterator>

#include "values/utf8.h"

namespace tavrik {
namespace {

constexpr std::array kNamedColors{
    NamedColor{"clBlack", 0x000000},
    NamedColor{"clMaroon", 0x000080},
    NamedColor{"clGreen", 0x008000},
    NamedColor{"clOlive", 0x008080},
    NamedColor{"clNavy", 0x800000},
    NamedColor{"clPurple", 0x800080},
    NamedColor{"clTeal", 0x808000},
    NamedColor{"clGray", 0x808080},
    NamedColor{"clSilver", 0xC0C0C0},
    NamedColor{"clRed", 0x0000FF},
    NamedColor{"clLime", 0x00FF00},
    NamedColor{"clYellow", 0x00FFFF},
    NamedColor{"clBlue", 0xFF0000},
    NamedColor{"clFuchsia", 0xFF00FF},
    NamedColor{"clAqua", 0xFFFF00},
    NamedColor{"clWhite", 0xFFFFFF},
    NamedColor{"clMoneyGreen", 0xC0DCC0},
    NamedColor{"clSkyBlue", 0xF0CAA6},
    NamedColor{"clCream", 0xF0FBFF},
    NamedColor{"clMedGray", 0xA4A0A0},
    NamedColor{"clScrollBar", SystemColor(0)},
    NamedColor{"clBackground", SystemColor(1)},
    NamedColor{"clActiveCaption", SystemColor(2)},
    NamedColor{"clInactiveCaption", SystemColor(3)},
    NamedColor{"clMenu", SystemColor(4)},
    NamedColor{"clWindow", SystemColor(5)},
    NamedColor{"clWindowFrame", SystemColor(6)},
    NamedColor{"clMenuText", SystemColor(7)},
    NamedColor{"clWindowText", SystemColor(8)},
    NamedColor{"clCaptionText", SystemColor(9)},
    NamedColor{"clActiveBorder", SystemColor(10)},
    NamedColor{"clInactiveBorder", SystemColor(11)},
    NamedColor{"clAppWorkSpace", SystemColor(12)},
    NamedColor{"clHighlight", SystemColor(13)},
    NamedColor{"clHighlightText", SystemColor(14)},
    NamedColor{"clBtnFace", SystemColor(15)},
    NamedColor{"clBtnShadow", SystemColor(16)},
    NamedColor{"clGrayText", SystemColor(17)},
    NamedColor{"clBtnText", SystemColor(18)},
    NamedColor{"clInactiveCaptionText", SystemColor(19)},
    NamedColor{"clBtnHighlight", SystemColor(20)},
    NamedColor{"cl3DDkShadow", SystemColor(21)},
    NamedColor{"cl3DLight", SystemColor(22)},
    NamedColor{"clInfoText", SystemColor(23)},
    NamedColor{"clInfoBk", SystemColor(24)},
    NamedColor{"clHotLight", SystemColor(26)},
    NamedColor{"clGradientActiveCaption", SystemColor(27)},
    NamedColor{"clGradientInactiveCaption", SystemColor(28)},
    NamedColor{"clMenuHighlight", SystemColor(29)},
    NamedColor{"clMenuBar", SystemColor(30)},
    NamedColor{"clNone", kClNone},
    NamedColor{"clDefault", kClDefault},
};

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base) {
    Number number{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number, base);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return number;
}

std::optional<Color> ParseHex(std::string_view digits) {
    if (digits.size() > 8 || digits.starts_with('-') || digits.starts_with('+')) {
        return std::nullopt;
    }
    return ParseWhole<Color>(digits, 16);
}

}  // namespace

std::span<const NamedColor> NamedColors() {
    return kNamedColors;
}

std::string ColorText(Color color) {
    const auto named = std::find_if(kNamedColors.begin(), kNamedColors.end(),
                                    [color](const NamedColor& c) { return c.color == color; });
    if (named != kNamedColors.end()) return std::string(named->name);
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.begin(), digits.end(), color, 16).ptr;
    std::string text(1, '$');
    text.append(8 - static_cast<std::size_t>(end - digits.begin()), '0');
    std::transform(digits.begin(), end, std::back_inserter(text),
                   [](char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<Color> ParseColor(std::string_view text) {
    for (const NamedColor& named : kNamedColors) {
        if (utf8::EqualsIgnoreCase(text, named.name)) return named.color;
    }
    if (text.starts_with('$')) return ParseHex(text.substr(1));
    if (text.starts_with("0x") || text.starts_with("0X")) return ParseHex(text.substr(2));
    const auto number = ParseWhole<std::int32_t>(text, 10);
    if (!number) return std::nullopt;
    return static_cast<Color>(*number);
}

}  // namespace tavrik
