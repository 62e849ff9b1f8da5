// A settings set's section: read, written, and one of its keys assigned
// from text, each by a visitor of the set's fields (set_fields.h).
#include <unordered_set>

#include "settings/color_text.h"
#include "settings/name_case.h"
#include "settings/pen_style.h"
#include "settings/set_fields.h"
#include "settings/settings_io.h"
#include "settings/value_readers.h"
#include "values/utf8.h"

namespace tavrik {
namespace {

// Reads each key into a field that holds its default (a fresh SettingsSet).
class SetReader {
  public:
    explicit SetReader(const ValueList& values) : values_(values) {}

    void Letter(std::string_view key, char& field) { field = ReadLetterValue(values_, key, field); }
    void Int(std::string_view key, int& field, auto&&...) {
        field = ReadIntValue(values_, key, field);
    }
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
    void Bounds(std::string_view key, std::array<std::string, 36>& field, auto&&...) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            field[code] = ReadTextValue(values_, NumberedKey(key, code), {});
        }
    }
    void OptionalInt(std::string_view key, int& field, int, auto&&...) { Int(key, field); }
    void OptionalBool(std::string_view key, bool& field, bool) { Bool(key, field); }

  private:
    const ValueList& values_;
};

// Gathers the set's key lines in table order.
class SetWriter {
  public:
    explicit SetWriter(std::vector<IniEntry>& entries) : entries_(entries) {}

    void Letter(std::string_view key, char field) { Put(key, std::string(1, field)); }
    void Int(std::string_view key, int field, auto&&...) { Put(key, std::to_string(field)); }
    void Bool(std::string_view key, bool field) { Put(key, BoolText(field)); }
    void Colour(std::string_view key, Color field) { Put(key, ColorText(field)); }
    void Text(std::string_view key, const std::string& field) { Put(key, field); }
    void StatusBar(std::string_view key, const std::string& field) { Put(key, field); }
    void Pen(std::string_view key, PenStyle field) { Put(key, PenStyleName(field)); }
    void Bounds(std::string_view key, const std::array<std::string, 36>& field, auto&&...) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            if (!field[code].empty()) Put(NumberedKey(key, code), field[code]);
        }
    }
    void OptionalInt(std::string_view key, int field, int defaultValue, auto&&...) {
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
    void Int(std::string_view key, int, auto&&...) { Add(key); }
    void Bool(std::string_view key, bool) { Add(key); }
    void OptionalInt(std::string_view key, int, int, auto&&...) { Add(key); }
    void OptionalBool(std::string_view key, bool, bool) { Add(key); }
    void Colour(std::string_view key, Color) { Add(key); }
    void Text(std::string_view key, const std::string&) { Add(key); }
    void StatusBar(std::string_view key, const std::string&) { Add(key); }
    void Pen(std::string_view key, PenStyle) { Add(key); }
    void Bounds(std::string_view key, const std::array<std::string, 36>& field, auto&&...) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code)
            Add(NumberedKey(key, code));
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

// Passes only the key named `key` on to the reader, so that one value given
// as text changes one field and leaves the others as they are.
class SingleKeyReader {
  public:
    SingleKeyReader(std::string_view key, const ValueList& values) : key_(key), reader_(values) {}

    bool found() const { return found_; }

    void Letter(std::string_view key, char& field) {
        Forward(key, [&] { reader_.Letter(key, field); });
    }
    void Int(std::string_view key, int& field, auto&&...) {
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
    void Bounds(std::string_view key, std::array<std::string, 36>& field, auto&&...) {
        for (int code = 1; code < static_cast<int>(field.size()); ++code) {
            const std::string name = NumberedKey(key, code);
            Forward(name, [&] { reader_.Text(name, field[code]); });
        }
    }
    void OptionalInt(std::string_view key, int& field, int, auto&&...) { Int(key, field); }
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

}  // namespace

SettingsSet ReadSetSection(const ValueList& values, const std::string& name,
                           std::vector<std::string>& writtenSections) {
    SettingsSet set;
    set.name = name;
    writtenSections.push_back(name);
    SetReader reader(values);
    VisitSetFields(set, reader);
    return set;
}

bool WriteSetSection(const SettingsSet& set, IniDocument& file) {
    if (set.name.empty() || IsReservedSectionName(set.name)) return false;
    std::vector<IniEntry> entries;
    SetWriter writer(entries);
    VisitSetFields(set, writer);
    file.RewriteSection(set.name, entries, IsSetKey);
    return true;
}

bool AssignSetKey(SettingsSet& set, std::string_view key, const ValueList& values) {
    SingleKeyReader reader(key, values);
    VisitSetFields(set, reader);
    return reader.found();
}

}  // namespace tavrik
