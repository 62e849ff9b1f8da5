#include "textfile/lost_characters.h"

#include <unicode/utf8.h>

#include <cstdint>
#include <unordered_set>

#include "textfile/cp932.h"

namespace tavrik {
namespace {

// Enough characters to recognise them; the rest are summed up as "…".
constexpr std::size_t kNamedCharacters = 20;

// What a byte that starts no UTF-8 sequence stands for.
constexpr UChar32 kReplacementCodePoint = 0xFFFD;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Printable ASCII and the line-end and tab controls are the same bytes in both encodings.
bool SameInBoth(UChar32 c) {
    return (c >= 0x20 && c <= 0x7E) || c == '\t' || c == '\r' || c == '\n';
}

bool SurvivesShiftJis(std::string_view character, cp932::Encoder& encoder) {
    std::string bytes;
    if (!encoder.append(character, bytes)) return false;
    return cp932::DecodeByConverter(bytes) == std::optional<std::string>(character);
}

}  // namespace

std::vector<std::string> LostCharacters(std::string_view utf8) {
    std::vector<std::string> lost;
    std::unordered_set<UChar32> seen;
    cp932::Encoder encoder;
    const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (c >= 0 && SameInBoth(c)) continue;
        const std::string_view character = c < 0 ? kReplacementCharacter
                                                 : utf8.substr(static_cast<std::size_t>(start),
                                                               static_cast<std::size_t>(i - start));
        if (!seen.insert(c < 0 ? kReplacementCodePoint : c).second) continue;
        if (c < 0 || !SurvivesShiftJis(character, encoder)) lost.emplace_back(character);
    }
    return lost;
}

std::string LostCharactersQuestion(const std::vector<std::string>& characters) {
    std::string named;
    for (std::size_t i = 0; i < characters.size() && i < kNamedCharacters; ++i) {
        if (i > 0) named += ' ';
        named += characters[i];
    }
    if (characters.size() > kNamedCharacters) named += " …";
    return "次の文字はファイルに保存できません（「?」などに置き換わります）：\n" + named +
           "\n保存してもよろしいですか？";
}

}  // namespace tavrik
