#include "settings/settings_io.h"

#include <algorithm>
#include <type_traits>

#include "settings/function_codes.h"
#include "settings/global_fields.h"
#include "settings/name_case.h"
#include "settings/value_readers.h"
#include "values/utf8.h"

namespace tavrik {
namespace {

constexpr int kKeyEntryLength = 4;
constexpr int kMinimumFormulaLength = 5;

// A global key's value in the list, or its default.
template <typename T>
T ReadGlobalValue(const ValueList& values, std::string_view key, const T& defaultValue) {
    if constexpr (std::is_same_v<T, std::string>)
        return ReadTextValue(values, key, defaultValue);
    else if constexpr (std::is_same_v<T, bool>)
        return ReadBoolValue(values, key, defaultValue);
    else if constexpr (std::is_same_v<T, char>)
        return ReadLetterValue(values, key, defaultValue);
    else
        return ReadIntValue(values, key, defaultValue);
}

template <typename T>
std::string GlobalValueText(const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return value;
    else if constexpr (std::is_same_v<T, bool>)
        return BoolText(value);
    else if constexpr (std::is_same_v<T, char>)
        return std::string(1, value);
    else
        return std::to_string(value);
}

void ReadGlobalScalars(const ValueList& values, GlobalSettings& g) {
    const GlobalSettings defaults;
    auto read = [&](std::string_view key, auto member, const GlobalKeyOptions&) {
        g.*member = ReadGlobalValue(values, key, defaults.*member);
    };
    VisitGlobalKeys(read);
}

void ReadGlobalTables(const ValueList& values, GlobalSettings& g) {
    for (int i = 0; i < kKeyTableSize; ++i)
        g.Keys[i] = ReadTextValue(values, KeyTableKeyName(i), {});
    ApplyDigitKeyDefaults(g);
    for (const LaterKeyDefault& later : kLaterKeyDefaults)
        if (!values.Find(KeyTableKeyName(later.index))) g.Keys[later.index] = later.entry;

    g.FT[0].clear();
    for (int code = kNoFunction + 1; code <= kLastFunction; ++code) {
        g.FT[code - kNoFunction] =
            ReadTextValue(values, NumberedKey("FT", code), DefaultFunctionTitle(code));
    }
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i) {
        g.FName[i] = ReadTextValue(values, NumberedKey("F", i + 1) + "Name",
                                   DefaultFunctionGroupName(i + 1));
    }
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i) {
        const int code = ReadIntValue(values, NumberedKey("F", i + 1), kNoFunction);
        g.F[i] = code < kNoFunction || code > kLastFunction ? kNoFunction : code;
    }
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i) {
        g.FStr[i] = ReadTextValue(values, NumberedKey("FStr", i + 1), {});
    }
}

void WriteGlobalKeys(const GlobalSettings& g, IniDocument& file) {
    const auto put = [&file](std::string_view key, std::string_view value) {
        file.Write(kGlobalSection, key, value);
    };
    const GlobalSettings defaults;
    auto write = [&](std::string_view key, auto member, const GlobalKeyOptions& options) {
        const auto& value = g.*member;
        const bool written = options.write == GlobalKeyWrite::Always ||
                             (options.write == GlobalKeyWrite::WhenOnOrInFile &&
                              (value != defaults.*member || file.Read(kGlobalSection, key)));
        if (written) put(key, GlobalValueText(value));
    };
    VisitGlobalKeys(write);

    // Entries of any other length leave the file's key as it is.
    for (int i = 0; i < kKeyTableSize; ++i) {
        if (utf8::Length(g.Keys[i]) != kKeyEntryLength) continue;
        const std::string name = KeyTableKeyName(i);
        // A later key's default stays out of a file that never named the key.
        if (g.Keys[i] == LaterKeyEntry(i) && !file.Read(kGlobalSection, name)) continue;
        put(name, g.Keys[i]);
    }
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i) {
        put(NumberedKey("F", i + 1) + "Name", g.FName[i]);
    }
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i) {
        const std::string key = NumberedKey("F", i + 1);
        if (g.F[i] <= kNoFunction) {
            file.DeleteKey(kGlobalSection, key);
        } else {
            put(key, std::to_string(g.F[i]));
        }
    }
    // Of the titles, only those of the user functions are written back.
    for (int code = kFirstUserFunction; code < kFirstUserFunction + kUserFunctions; ++code) {
        put(NumberedKey("FT", code), g.FunctionTitle(code));
    }
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i) {
        const std::string key = NumberedKey("FStr", i + 1);
        if (utf8::Length(g.FStr[i]) < kMinimumFormulaLength) {
            file.DeleteKey(kGlobalSection, key);
        } else {
            put(key, g.FStr[i]);
        }
    }
}

void RemoveName(std::vector<std::string>& names, std::string_view name) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& n) { return SameName(n, name); });
    if (found != names.end()) names.erase(found);
}

}  // namespace

bool IsReservedSectionName(std::string_view name) {
    return std::any_of(kReservedSectionNames.begin(), kReservedSectionNames.end(),
                       [&](std::string_view reserved) { return SameName(reserved, name); });
}

std::string KeyTableKeyName(int index) {
    if (index < kCtrlKeyOffset + 1) return NumberedKey("KeyN", index);
    if (index < kShiftKeyOffset + 1) return NumberedKey("KeyC", index - kCtrlKeyOffset);
    return NumberedKey("KeyS", index - kShiftKeyOffset);
}

bool ReadCaptionFlag(const IniDocument& file) {
    return ReadBoolValue(ValueList(file.ReadSection(kGlobalSection)), "Caption", true);
}

GlobalSettings LoadSettings(const IniDocument& file, const GlobalSettings& base,
                            std::vector<std::string>& writtenSections) {
    GlobalSettings g = base;
    const ValueList global(file.ReadSection(kGlobalSection));
    ReadGlobalScalars(global, g);
    ReadGlobalTables(global, g);

    g.SetTable[kDefaultSetSlot] = SettingsSet{};
    writtenSections.clear();

    g.SectionList = file.SectionNames();
    std::erase_if(g.SectionList,
                  [](const std::string& name) { return IsReservedSectionName(name); });

    const int loaded = std::min<int>(kDefaultSetSlot, static_cast<int>(g.SectionList.size()));
    g.LastSetIndex = loaded - 1;
    for (int k = 0; k < loaded; ++k) {
        const ValueList values(file.ReadSection(g.SectionList[k]));
        g.SetTable[k] = ReadSetSection(values, g.SectionList[k], writtenSections);
    }
    for (int k = loaded; k < kDefaultSetSlot; ++k) g.SetTable[k] = g.SetTable[kDefaultSetSlot];
    return g;
}

void SaveSettings(GlobalSettings& settings, IniDocument& file,
                  std::vector<std::string>& writtenSections) {
    WriteGlobalKeys(settings, file);

    // A set written again keeps its section's place in the file, so the sets
    // that load first (only ten do) stay the same from one start to the next,
    // and the section keeps the lines the save does not write.
    const std::vector<std::string> previous = std::move(writtenSections);
    for (const std::string& name : previous) RemoveName(settings.SectionList, name);
    writtenSections.clear();

    const int last = std::min(settings.LastSetIndex, kDefaultSetSlot);
    for (int k = 0; k <= last; ++k) {
        const SettingsSet& set = settings.SetTable[k];
        if (WriteSetSection(set, file)) {
            writtenSections.push_back(set.name);
            settings.SectionList.push_back(set.name);
        }
    }
    // Sets deleted or renamed since: their sections go.
    for (const std::string& name : previous) {
        const bool rewritten = std::any_of(writtenSections.begin(), writtenSections.end(),
                                           [&](const std::string& n) { return SameName(n, name); });
        if (!rewritten) file.EraseSection(name);
    }
}

void SaveExitState(const ExitState& state, IniDocument& file) {
    file.Write(kGlobalSection, "Mode", std::string(1, state.Mode));
    file.Write(kGlobalSection, "Trans", BoolText(state.Trans));
    file.Write(kGlobalSection, "Width", std::to_string(state.Width));
    file.Write(kGlobalSection, "Height", std::to_string(state.Height));
    file.Write(kGlobalSection, "Top", std::to_string(state.Top));
    file.Write(kGlobalSection, "Left", std::to_string(state.Left));
}

void SaveSetZooms(const GlobalSettings& settings, IniDocument& file) {
    const std::vector<std::string> sections = file.SectionNames();
    const int last = std::min(settings.LastSetIndex, kDefaultSetSlot - 1);
    for (int k = 0; k <= last; ++k) {
        const SettingsSet& set = settings.SetTable[static_cast<std::size_t>(k)];
        const bool inFile =
            std::any_of(sections.begin(), sections.end(),
                        [&](const std::string& n) { return SameName(n, set.name); });
        if (set.name.empty() || IsReservedSectionName(set.name) || !inFile) continue;
        const ValueList values(file.ReadSection(set.name));
        if (ReadIntValue(values, "Zoom", kDefaultZoom) == set.Zoom) continue;
        if (set.Zoom == kDefaultZoom)
            file.DeleteKey(set.name, "Zoom");
        else
            file.Write(set.name, "Zoom", std::to_string(set.Zoom));
    }
}

namespace {

// The global scalar and table keys, read one at a time like the whole section.
bool ReadGlobalKey(GlobalSettings& g, std::string_view key, const ValueList& values) {
    GlobalSettings read = g;
    ReadGlobalScalars(values, read);
    ReadGlobalTables(values, read);
    // Every field the list does not name took its default: keep only the named one.
    GlobalSettings result = g;
    bool found = false;
    const auto take = [&](std::string_view name, auto& target, const auto& source) {
        if (found || !SameName(name, key)) return;
        target = source;
        found = true;
    };
    auto takeScalar = [&](std::string_view name, auto member, const GlobalKeyOptions&) {
        take(name, result.*member, read.*member);
    };
    VisitGlobalKeys(takeScalar);
    for (int i = 0; i < kKeyTableSize; ++i) take(KeyTableKeyName(i), result.Keys[i], read.Keys[i]);
    for (int code = kNoFunction + 1; code <= kLastFunction; ++code)
        take(NumberedKey("FT", code), result.FT[code - kNoFunction], read.FT[code - kNoFunction]);
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i)
        take(NumberedKey("F", i + 1) + "Name", result.FName[i], read.FName[i]);
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i)
        take(NumberedKey("F", i + 1), result.F[i], read.F[i]);
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i)
        take(NumberedKey("FStr", i + 1), result.FStr[i], read.FStr[i]);
    if (found) g = std::move(result);
    return found;
}

}  // namespace

bool AssignSettingKey(GlobalSettings& settings, int setIndex, std::string_view key,
                      std::string_view value) {
    constexpr std::string_view kGlobalPrefix = "Tavrik.";
    const bool globalOnly = key.size() > kGlobalPrefix.size() &&
                            SameName(key.substr(0, kGlobalPrefix.size()), kGlobalPrefix);
    if (globalOnly) key.remove_prefix(kGlobalPrefix.size());
    const ValueList values({IniEntry{std::string(key), std::string(value)}});
    if (!globalOnly &&
        AssignSetKey(settings.SetTable[static_cast<std::size_t>(setIndex)], key, values))
        return true;
    return ReadGlobalKey(settings, key, values);
}

}  // namespace tavrik
