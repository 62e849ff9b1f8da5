// Editing the key table: names of table positions as the key page and the
// manual show them ("Ctrl + A", "Shift + 1", "テンキー 0", "F1"), and the assignments of one calculator key,
// one column per mode.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_model.h"

namespace tavrik {

using KeyTable = std::array<std::string, kKeyTableSize>;

inline constexpr int kModeColumns = 4;  // D, H, T, C
inline constexpr char kUnassignedMode = '_';
inline constexpr std::string_view kUnassignedEntry = "____";

using KeyRow = std::array<std::string, kModeColumns>;

// The table position of a virtual key 0..255: Ctrl wins over Shift.
int KeyTableIndex(int virtualKey, bool ctrl, bool shift);

// "Shift + " or "Ctrl + " for the modifier families, then the key as its cap
// reads ("A", "F1", "テンキー 0", "Enter"), or "#" and the code of a key
// without one.
std::string KeyName(int index);
// The position a name stands for; -1 for an empty text.
int ParseKeyName(std::string_view name);

// The character the entry at `index` gives in mode column `mode`; '\0' when
// the entry is not four characters long.
char AssignedKeyChar(const KeyTable& keys, int index, int mode);

// One row per entry whose four characters contain `keyChar`, the name in the
// columns of the modes that give it.
std::vector<KeyRow> KeyAssignmentRows(const KeyTable& keys, char keyChar);

// Gives every named key in the rows `keyChar` in the row's column; adds
// assignments only. Names that do not parse are skipped.
void StoreKeyAssignments(KeyTable& keys, char keyChar, const std::vector<KeyRow>& rows);

// The entry named by `name` no longer assigns anything in mode `mode`.
void DeleteKeyAssignment(KeyTable& keys, std::string_view name, int mode);

}  // namespace tavrik
