#include "ui/panels/custom_key_bounds.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "settings/color_text.h"
#include "settings/setting_ranges.h"

namespace tavrik::ui {

namespace {

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The four numbers of an entry; from the first one that does not convert on,
// every number is 0.
std::array<int, 4> Numbers(const std::vector<std::string_view>& fields) {
    std::array<int, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size() && i < fields.size(); ++i) {
        const std::string_view field = Trim(fields[i]);
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size()) break;
        numbers[i] = kKeyBoundRange.clamp(value);
    }
    return numbers;
}

}  // namespace

std::optional<CustomKeyLayout> CustomKeyBounds(const std::array<std::string, kKeySlots>& bounds,
                                               int pitch) {
    bool any = false;
    for (std::size_t tag = 1; tag < bounds.size(); ++tag) any = any || !bounds[tag].empty();
    if (!any) return std::nullopt;

    CustomKeyLayout layout;
    int right = 0;
    int bottom = 0;
    for (std::size_t tag = 1; tag < bounds.size(); ++tag) {
        if (bounds[tag].empty()) continue;
        const std::vector<std::string_view> fields = SplitFields(bounds[tag]);
        const std::array<int, 4> n = Numbers(fields);
        if (n[2] <= 0 || n[3] <= 0) continue;
        CustomKey& key = layout.keys[tag];
        key.rect = {n[0], n[1], n[2], n[3]};
        key.placed = true;
        if (fields.size() > 4) key.color = ParseColor(Trim(fields[4]));
        right = std::max(right, key.rect.right());
        bottom = std::max(bottom, key.rect.bottom());
    }
    layout.width = right + pitch;
    layout.height = bottom + pitch;
    return layout;
}

}  // namespace tavrik::ui
