#include "settings/settings_io.h"

#include <algorithm>
#include <unordered_set>

#include "settings/color_text.h"
#include "settings/function_codes.h"
#include "settings/name_case.h"
#include "settings/pen_style.h"
#include "settings/set_fields.h"
#include "settings/value_readers.h"
#include "values/utf8.h"

namespace tavrik {
namespace {

constexpr int kKeyEntryLength = 4;
constexpr int kMinimumFormulaLength = 5;

std::string Numbered(std::string_view prefix, int number) {
    return std::string(prefix) + std::to_string(number);
}

std::string BoolText(bool value) {
    return value ? "1" : "0";
}

// The first character of the value; a value that is empty or starts with a
// non-ASCII character takes the default, since a mode is one ASCII letter.
char ReadLetterValue(const ValueList& values, std::string_view key, char defaultValue) {
    const std::string text = ReadTextValue(values, key, {});
    if (text.empty() || static_cast<unsigned char>(text.front()) >= 0x80) return defaultValue;
    return text.front();
}

// Reads each key into a field that holds its default (a fresh SettingsSet).
class SetReader {
  public:
    explicit SetReader(const ValueList& values) : values_(values) {}

    void Letter(std::string_view key, char& field) { field = ReadLetterValue(values_, key, field); }
    void Int(std::string_view key, int& field) { field = ReadIntValue(values_, key, field); }
    void Bool(std::string_view key, bool& field) { field = ReadBoolValue(values_, key, field); }
    void Colour(std::string_view key, Color& field) { field = ReadColorValue(values_, key, field); }
    void Text(std::string_view key, std::string& field) {
        field = ReadTextValue(values_, key, field);
    }
    // A one-character value is padded with "T" (status bar shown).
    void StatusBar(std::string_view key, std::string& field) {
        field = ReadTextValue(values_, key, field);
        if (utf8::Length(field) < 2) field += 'T';
    }
    void Pen(std::string_view key, PenStyle& field) {
        const std::string text = ReadTextValue(values_, key, {});
        if (!text.empty()) field = ParsePenStyle(text);
    }
    void Bounds(std::string_view key, std::array<std::string, 36>& field) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            field[code] = ReadTextValue(values_, Numbered(key, code), {});
        }
    }
    void OptionalInt(std::string_view key, int& field, int) { Int(key, field); }
    void OptionalBool(std::string_view key, bool& field, bool) { Bool(key, field); }

  private:
    const ValueList& values_;
};

// Gathers the set's key lines in table order.
class SetWriter {
  public:
    explicit SetWriter(std::vector<IniEntry>& entries) : entries_(entries) {}

    void Letter(std::string_view key, char field) { Put(key, std::string(1, field)); }
    void Int(std::string_view key, int field) { Put(key, std::to_string(field)); }
    void Bool(std::string_view key, bool field) { Put(key, BoolText(field)); }
    void Colour(std::string_view key, Color field) { Put(key, ColorText(field)); }
    void Text(std::string_view key, const std::string& field) { Put(key, field); }
    void StatusBar(std::string_view key, const std::string& field) { Put(key, field); }
    void Pen(std::string_view key, PenStyle field) { Put(key, PenStyleName(field)); }
    void Bounds(std::string_view key, const std::array<std::string, 36>& field) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            if (!field[code].empty()) Put(Numbered(key, code), field[code]);
        }
    }
    void OptionalInt(std::string_view key, int field, int defaultValue) {
        if (field != defaultValue) Int(key, field);
    }
    void OptionalBool(std::string_view key, bool field, bool defaultValue) {
        if (field != defaultValue) Bool(key, field);
    }

  private:
    void Put(std::string_view key, std::string_view value) {
        entries_.push_back({std::string(key), std::string(value)});
    }

    std::vector<IniEntry>& entries_;
};

// The folded name of every key a set section may hold, written or not.
class SetKeyNames {
  public:
    std::unordered_set<std::string> names;

    void Letter(std::string_view key, char) { Add(key); }
    void Int(std::string_view key, int) { Add(key); }
    void Bool(std::string_view key, bool) { Add(key); }
    void OptionalInt(std::string_view key, int, int) { Add(key); }
    void OptionalBool(std::string_view key, bool, bool) { Add(key); }
    void Colour(std::string_view key, Color) { Add(key); }
    void Text(std::string_view key, const std::string&) { Add(key); }
    void StatusBar(std::string_view key, const std::string&) { Add(key); }
    void Pen(std::string_view key, PenStyle) { Add(key); }
    void Bounds(std::string_view key, const std::array<std::string, 36>& field) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) Add(Numbered(key, code));
    }

  private:
    void Add(std::string_view key) { names.insert(FoldCase(key)); }
};

bool IsSetKey(std::string_view foldedKey) {
    static const std::unordered_set<std::string> names = [] {
        SetKeyNames collect;
        const SettingsSet set;
        VisitSetFields(set, collect);
        return std::move(collect.names);
    }();
    return names.contains(std::string(foldedKey));
}

void ReadGlobalScalars(const ValueList& values, GlobalSettings& g) {
    const GlobalSettings defaults;
    g.Set = ReadTextValue(values, "Set", defaults.Set);
    g.Save = ReadBoolValue(values, "Save", defaults.Save);
    g.Menu = ReadIntValue(values, "Menu", defaults.Menu);
    g.MenuO = ReadTextValue(values, "MenuO", defaults.MenuO);
    g.MenuM = ReadTextValue(values, "MenuM", defaults.MenuM);
    g.MenuV = ReadTextValue(values, "MenuV", defaults.MenuV);
    g.MenuF = ReadTextValue(values, "MenuF", defaults.MenuF);
    g.MenuH = ReadTextValue(values, "MenuH", defaults.MenuH);
    g.HexB = ReadTextValue(values, "HexB", defaults.HexB);
    g.HexA = ReadTextValue(values, "HexA", defaults.HexA);
    g.Tax = ReadIntValue(values, "Tax", defaults.Tax);
    g.TaxRound = ReadIntValue(values, "TaxRound", defaults.TaxRound);
    g.ReducedTax = ReadIntValue(values, "ReducedTax", defaults.ReducedTax);
    g.ErrCtMax = ReadIntValue(values, "ErrCtMax", defaults.ErrCtMax);
    g.SaveF = ReadBoolValue(values, "SaveF", defaults.SaveF);
    g.TPM = ReadBoolValue(values, "TPM", defaults.TPM);
    g.TSR = ReadBoolValue(values, "TSR", defaults.TSR);
    g.KK3 = ReadBoolValue(values, "KK3", defaults.KK3);
    g.KeepState = ReadBoolValue(values, "KeepState", defaults.KeepState);
    g.BizDays = ReadBoolValue(values, "BizDays", defaults.BizDays);
    g.FirstDay = ReadBoolValue(values, "FirstDay", defaults.FirstDay);
    g.Gannen = ReadBoolValue(values, "Gannen", defaults.Gannen);
    g.Holidays = ReadTextValue(values, "Holidays", defaults.Holidays);
    g.Mode = ReadLetterValue(values, "Mode", defaults.Mode);
    g.Trans = ReadBoolValue(values, "Trans", defaults.Trans);
    g.Width = ReadIntValue(values, "Width", defaults.Width);
    g.Height = ReadIntValue(values, "Height", defaults.Height);
    g.Left = ReadIntValue(values, "Left", defaults.Left);
    g.Top = ReadIntValue(values, "Top", defaults.Top);
}

void ReadGlobalTables(const ValueList& values, GlobalSettings& g) {
    for (int i = 0; i < kKeyTableSize; ++i)
        g.Keys[i] = ReadTextValue(values, KeyTableKeyName(i), {});
    ApplyDigitKeyDefaults(g);

    g.FT[0].clear();
    for (int code = kNoFunction + 1; code <= kLastFunction; ++code) {
        g.FT[code - kNoFunction] =
            ReadTextValue(values, Numbered("FT", code), DefaultFunctionTitle(code));
    }
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i) {
        g.FName[i] =
            ReadTextValue(values, Numbered("F", i + 1) + "Name", DefaultFunctionGroupName(i + 1));
    }
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i) {
        const int code = ReadIntValue(values, Numbered("F", i + 1), kNoFunction);
        g.F[i] = code < kNoFunction || code > kLastFunction ? kNoFunction : code;
    }
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i) {
        g.FStr[i] = ReadTextValue(values, Numbered("FStr", i + 1), {});
    }
}

void WriteGlobalKeys(const GlobalSettings& g, IniDocument& file) {
    const auto put = [&file](std::string_view key, std::string_view value) {
        file.Write(kGlobalSection, key, value);
    };
    put("Set", g.Set);
    put("Save", BoolText(g.Save));
    put("Menu", std::to_string(g.Menu));
    put("MenuO", g.MenuO);
    put("MenuM", g.MenuM);
    put("MenuV", g.MenuV);
    put("MenuF", g.MenuF);
    put("MenuH", g.MenuH);
    put("HexB", g.HexB);
    put("HexA", g.HexA);
    put("Tax", std::to_string(g.Tax));
    put("TaxRound", std::to_string(g.TaxRound));
    if (g.ReducedTax != GlobalSettings().ReducedTax || file.Read(kGlobalSection, "ReducedTax"))
        put("ReducedTax", std::to_string(g.ReducedTax));
    put("ErrCtMax", std::to_string(g.ErrCtMax));
    put("TPM", BoolText(g.TPM));
    put("TSR", BoolText(g.TSR));
    put("KK3", BoolText(g.KK3));
    // Added later: written only when on or already in the file.
    if (g.KeepState || file.Read(kGlobalSection, "KeepState"))
        put("KeepState", BoolText(g.KeepState));
    if (g.BizDays || file.Read(kGlobalSection, "BizDays")) put("BizDays", BoolText(g.BizDays));
    if (g.FirstDay || file.Read(kGlobalSection, "FirstDay")) put("FirstDay", BoolText(g.FirstDay));
    if (g.Gannen || file.Read(kGlobalSection, "Gannen")) put("Gannen", BoolText(g.Gannen));
    if (!g.Holidays.empty() || file.Read(kGlobalSection, "Holidays")) put("Holidays", g.Holidays);

    // Entries of any other length leave the file's key as it is.
    for (int i = 0; i < kKeyTableSize; ++i) {
        if (utf8::Length(g.Keys[i]) == kKeyEntryLength) put(KeyTableKeyName(i), g.Keys[i]);
    }
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i) {
        put(Numbered("F", i + 1) + "Name", g.FName[i]);
    }
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i) {
        const std::string key = Numbered("F", i + 1);
        if (g.F[i] <= kNoFunction) {
            file.DeleteKey(kGlobalSection, key);
        } else {
            put(key, std::to_string(g.F[i]));
        }
    }
    // Of the titles, only those of the user functions are written back.
    for (int code = kFirstUserFunction; code < kFirstUserFunction + kUserFunctions; ++code) {
        put(Numbered("FT", code), g.FunctionTitle(code));
    }
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i) {
        const std::string key = Numbered("FStr", i + 1);
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
    if (index < kCtrlKeyOffset + 1) return Numbered("KeyN", index);
    if (index < kShiftKeyOffset + 1) return Numbered("KeyC", index - kCtrlKeyOffset);
    return Numbered("KeyS", index - kShiftKeyOffset);
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

SettingsSet ReadSetSection(const ValueList& values, const std::string& name,
                           std::vector<std::string>& writtenSections) {
    SettingsSet set;
    set.name = name;
    writtenSections.push_back(name);
    SetReader reader(values);
    VisitSetFields(set, reader);
    return set;
}

namespace {

// Passes only the key named `key` on to the reader, so that one value given
// as text changes one field and leaves the others as they are.
class SingleKeyReader {
  public:
    SingleKeyReader(std::string_view key, const ValueList& values) : key_(key), reader_(values) {}

    bool found() const { return found_; }

    void Letter(std::string_view key, char& field) {
        Forward(key, [&] { reader_.Letter(key, field); });
    }
    void Int(std::string_view key, int& field) {
        Forward(key, [&] { reader_.Int(key, field); });
    }
    void Bool(std::string_view key, bool& field) {
        Forward(key, [&] { reader_.Bool(key, field); });
    }
    void Colour(std::string_view key, Color& field) {
        Forward(key, [&] { reader_.Colour(key, field); });
    }
    void Text(std::string_view key, std::string& field) {
        Forward(key, [&] { reader_.Text(key, field); });
    }
    void StatusBar(std::string_view key, std::string& field) {
        Forward(key, [&] { reader_.StatusBar(key, field); });
    }
    void Pen(std::string_view key, PenStyle& field) {
        Forward(key, [&] { reader_.Pen(key, field); });
    }
    void Bounds(std::string_view key, std::array<std::string, 36>& field) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            const std::string name = Numbered(key, code);
            Forward(name, [&] { reader_.Text(name, field[code]); });
        }
    }
    void OptionalInt(std::string_view key, int& field, int) { Int(key, field); }
    void OptionalBool(std::string_view key, bool& field, bool) { Bool(key, field); }

  private:
    template <typename Read>
    void Forward(std::string_view key, Read read) {
        if (found_ || !SameName(key, key_)) return;
        found_ = true;
        read();
    }

    std::string_view key_;
    SetReader reader_;
    bool found_ = false;
};

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
    take("Set", result.Set, read.Set);
    take("Save", result.Save, read.Save);
    take("Menu", result.Menu, read.Menu);
    take("MenuO", result.MenuO, read.MenuO);
    take("MenuM", result.MenuM, read.MenuM);
    take("MenuV", result.MenuV, read.MenuV);
    take("MenuF", result.MenuF, read.MenuF);
    take("MenuH", result.MenuH, read.MenuH);
    take("HexB", result.HexB, read.HexB);
    take("HexA", result.HexA, read.HexA);
    take("Tax", result.Tax, read.Tax);
    take("TaxRound", result.TaxRound, read.TaxRound);
    take("ReducedTax", result.ReducedTax, read.ReducedTax);
    take("ErrCtMax", result.ErrCtMax, read.ErrCtMax);
    take("SaveF", result.SaveF, read.SaveF);
    take("TPM", result.TPM, read.TPM);
    take("TSR", result.TSR, read.TSR);
    take("KK3", result.KK3, read.KK3);
    take("KeepState", result.KeepState, read.KeepState);
    take("BizDays", result.BizDays, read.BizDays);
    take("FirstDay", result.FirstDay, read.FirstDay);
    take("Gannen", result.Gannen, read.Gannen);
    take("Holidays", result.Holidays, read.Holidays);
    take("Mode", result.Mode, read.Mode);
    take("Trans", result.Trans, read.Trans);
    take("Width", result.Width, read.Width);
    take("Height", result.Height, read.Height);
    take("Left", result.Left, read.Left);
    take("Top", result.Top, read.Top);
    for (int i = 0; i < kKeyTableSize; ++i) take(KeyTableKeyName(i), result.Keys[i], read.Keys[i]);
    for (int code = kNoFunction + 1; code <= kLastFunction; ++code)
        take(Numbered("FT", code), result.FT[code - kNoFunction], read.FT[code - kNoFunction]);
    for (int i = 0; i < static_cast<int>(g.FName.size()); ++i)
        take(Numbered("F", i + 1) + "Name", result.FName[i], read.FName[i]);
    for (int i = 0; i < static_cast<int>(g.F.size()); ++i)
        take(Numbered("F", i + 1), result.F[i], read.F[i]);
    for (int i = 0; i < static_cast<int>(g.FStr.size()); ++i)
        take(Numbered("FStr", i + 1), result.FStr[i], read.FStr[i]);
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
    if (!globalOnly) {
        SingleKeyReader reader(key, values);
        VisitSetFields(settings.SetTable[static_cast<std::size_t>(setIndex)], reader);
        if (reader.found()) return true;
    }
    return ReadGlobalKey(settings, key, values);
}

bool WriteSetSection(const SettingsSet& set, IniDocument& file) {
    if (set.name.empty() || IsReservedSectionName(set.name)) return false;
    std::vector<IniEntry> entries;
    SetWriter writer(entries);
    VisitSetFields(set, writer);
    file.RewriteSection(set.name, entries, IsSetKey);
    return true;
}

}  // namespace tavrik
