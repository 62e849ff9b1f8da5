// Reading GlobalSettings from the text of Tavrik.ini and writing them back
// into it. The file holds the global section [Tavrik] and one section per
// settings set; these functions work on the parsed text, SettingsFile adds
// the file itself.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_model.h"
#include "settings/value_list.h"

namespace tavrik {

inline constexpr std::string_view kGlobalSection = "Tavrik";

// Section names that are never settings sets, compared without regard to case.
inline constexpr std::array<std::string_view, 4> kReservedSectionNames{"Tavrik", "（新規作成）",
                                                                       "Default", "Reserve"};
bool IsReservedSectionName(std::string_view name);

// The window state written at exit when `Save` is on.
struct ExitState {
    char Mode = 'D';
    bool Trans = false;
    int Width = 0;
    int Height = 0;
    int Top = 0;
    int Left = 0;
};

// "KeyN0" … "KeyN255", "KeyC1" … "KeyC255", "KeyS1" … "KeyS255" for key-table
// positions 0 … 765.
std::string KeyTableKeyName(int index);

// The `Caption` flag of [Tavrik] (true when absent), read before the main window exists.
bool ReadCaptionFlag(const IniDocument& file);

// Reads the whole file into a copy of `base`. `writtenSections` ends up
// holding the names of the loaded sets, which the next save erases first.
GlobalSettings LoadSettings(const IniDocument& file, const GlobalSettings& base,
                            std::vector<std::string>& writtenSections);

// Writes the global keys, then the current sets into their sections, and
// erases the sections of `writtenSections` that no set is written to any more;
// updates `SectionList` and `writtenSections` to match.
void SaveSettings(GlobalSettings& settings, IniDocument& file,
                  std::vector<std::string>& writtenSections);

// Writes Mode, Trans, Width, Height, Top and Left into [Tavrik].
void SaveExitState(const ExitState& state, IniDocument& file);

// Writes the `Zoom` of every loaded set whose section holds another value
// (the key goes at 100 %); other keys and sections stay as they are.
void SaveSetZooms(const GlobalSettings& settings, IniDocument& file);

// One set from its section's values: every field not given by a convertible
// value takes its default. Appends `name` to `writtenSections`.
SettingsSet ReadSetSection(const ValueList& values, const std::string& name,
                           std::vector<std::string>& writtenSections);

// One key given as text, as if the file held that value: a key of the set in
// slot `setIndex`, else of [Tavrik]; "Tavrik.KEY" names the global one of a
// key that exists in both. False when no such key exists.
bool AssignSettingKey(GlobalSettings& settings, int setIndex, std::string_view key,
                      std::string_view value);
// One key of a set, as `values` holds it; false when a set has no such key.
bool AssignSetKey(SettingsSet& set, std::string_view key, const ValueList& values);

// Writes the set into the section of its name: its keys in table order, with
// the section's other lines (comments, keys of other versions) kept in their
// places and the set keys it no longer has removed. A set without a name, or
// named like a reserved section, is not written (false).
bool WriteSetSection(const SettingsSet& set, IniDocument& file);

}  // namespace tavrik
