#include "cli/setting_assignment.h"

#include <charconv>

#include "settings/name_case.h"
#include "settings/value_readers.h"

namespace tavrik::cli {

namespace {

// The number after `prefix` in `key` when it lies in [low, high].
std::optional<int> IndexedKey(std::string_view key, std::string_view prefix, int low, int high) {
    if (key.size() <= prefix.size() || !SameName(key.substr(0, prefix.size()), prefix))
        return std::nullopt;
    const auto digits = key.substr(prefix.size());
    int index = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (index < low || index > high) return std::nullopt;
    return index;
}

void AssignInt(int& field, std::string_view value) {
    if (const auto v = ParseIntValue(value)) field = *v;
}

void AssignBool(bool& field, std::string_view value) {
    if (const auto v = ParseBoolValue(value)) field = *v;
}

bool AssignSetKey(SettingsSet& set, std::string_view key, std::string_view value) {
    if (SameName(key, "Mode")) {
        set.Mode = value.empty() ? 'D' : value.front();
        return true;
    }
    if (SameName(key, "SBA")) {
        set.SBA = value;
        while (set.SBA.size() < 2) set.SBA += 'T';
        return true;
    }
    struct IntKey {
        const char* name;
        int SettingsSet::*field;
    };
    static constexpr IntKey kInts[] = {
        {"RoundM", &SettingsSet::RoundM},     {"RoundD", &SettingsSet::RoundD},
        {"DigitsD", &SettingsSet::DigitsD},   {"MaxLineH", &SettingsSet::MaxLineH},
        {"LNoTypeH", &SettingsSet::LNoTypeH}, {"Pitch", &SettingsSet::Pitch},
    };
    for (const auto& entry : kInts) {
        if (SameName(key, entry.name)) {
            AssignInt(set.*entry.field, value);
            return true;
        }
    }
    if (SameName(key, "Trans")) return AssignBool(set.Trans, value), true;
    return false;
}

bool AssignGlobalKey(GlobalSettings& g, std::string_view key, std::string_view value) {
    struct IntKey {
        const char* name;
        int GlobalSettings::*field;
    };
    static constexpr IntKey kInts[] = {{"Tax", &GlobalSettings::Tax},
                                       {"TaxRound", &GlobalSettings::TaxRound},
                                       {"ErrCtMax", &GlobalSettings::ErrCtMax},
                                       {"Menu", &GlobalSettings::Menu}};
    for (const auto& entry : kInts)
        if (SameName(key, entry.name)) return AssignInt(g.*entry.field, value), true;
    struct BoolKey {
        const char* name;
        bool GlobalSettings::*field;
    };
    static constexpr BoolKey kBools[] = {{"KK3", &GlobalSettings::KK3},
                                         {"Save", &GlobalSettings::Save},
                                         {"TPM", &GlobalSettings::TPM},
                                         {"TSR", &GlobalSettings::TSR},
                                         {"Trans", &GlobalSettings::Trans}};
    for (const auto& entry : kBools)
        if (SameName(key, entry.name)) return AssignBool(g.*entry.field, value), true;
    if (SameName(key, "HexB")) return g.HexB = value, true;
    if (SameName(key, "HexA")) return g.HexA = value, true;
    if (SameName(key, "Set")) return g.Set = value, true;
    if (SameName(key, "Mode")) return g.Mode = value.empty() ? 'D' : value.front(), true;
    if (const auto i = IndexedKey(key, "FT", 101, 200)) return g.FT[*i - 100] = value, true;
    if (const auto i = IndexedKey(key, "FStr", 1, 6)) return g.FStr[*i - 1] = value, true;
    if (const auto i = IndexedKey(key, "F", 1, 60)) {
        int code = g.F[*i - 1];
        AssignInt(code, value);
        g.F[*i - 1] = code < 100 || code > 200 ? 100 : code;
        return true;
    }
    if (const auto i = IndexedKey(key, "KeyN", 0, 255)) return g.Keys[*i] = value, true;
    if (const auto i = IndexedKey(key, "KeyC", 1, 255))
        return g.Keys[kCtrlKeyOffset + *i] = value, true;
    if (const auto i = IndexedKey(key, "KeyS", 1, 255))
        return g.Keys[kShiftKeyOffset + *i] = value, true;
    return false;
}

}  // namespace

bool AssignSetting(GlobalSettings& settings, int setIndex, std::string_view key,
                   std::string_view value) {
    constexpr std::string_view kGlobalPrefix = "Tavrik.";
    if (key.size() > kGlobalPrefix.size() && SameName(key.substr(0, kGlobalPrefix.size()), kGlobalPrefix))
        return AssignGlobalKey(settings, key.substr(kGlobalPrefix.size()), value);
    SettingsSet& set = settings.SetTable[static_cast<std::size_t>(setIndex)];
    return AssignSetKey(set, key, value) || AssignGlobalKey(settings, key, value);
}

}  // namespace tavrik::cli
