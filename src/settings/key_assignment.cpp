#include "settings/key_assignment.h"

#include <charconv>
#include <map>

namespace tavrik {

namespace {

constexpr std::string_view kShiftPrefix = "Shift + ";
// The prefix older versions showed; still read.
constexpr std::string_view kOldShiftPrefix = "Shft + ";
constexpr std::string_view kCtrlPrefix = "Ctrl + ";
constexpr std::size_t kEntryLength = kUnassignedEntry.size();
constexpr int kNumpad0 = 96, kNumpad9 = 105, kF1 = 112, kF24 = 135;
constexpr int kVirtualKeys = 256;

// Keys named by their caps. A punctuation key is named by the unshifted
// characters that reach it on a US and on a Japanese (JIS) keyboard where the
// two differ (the window maps typed characters to these keys).
const std::map<int, std::string_view>& SpecialKeyNames() {
    static const std::map<int, std::string_view> kNames = {
        {8, "BackSpace"},
        {9, "Tab"},
        {13, "Enter"},
        {27, "Esc"},
        {32, "Space"},
        {33, "PageUp"},
        {34, "PageDown"},
        {35, "End"},
        {36, "Home"},
        {37, "←"},
        {38, "↑"},
        {39, "→"},
        {40, "↓"},
        {45, "Insert"},
        {46, "Delete"},
        {106, "テンキー *"},
        {107, "テンキー +"},
        {109, "テンキー -"},
        {110, "テンキー ."},
        {111, "テンキー /"},
        {186, "; (US)・; と : (JIS)"},
        {187, "= (US)"},
        {188, ","},
        {189, "-"},
        {190, "."},
        {191, "/"},
        {192, "` (US)・@ (JIS)"},
        {219, "["},
        {220, "\\"},
        {221, "]"},
        {222, "' (US)・^ (JIS)"},
        {226, "\\ (ろ)"},
    };
    return kNames;
}

std::string CodeName(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string(1, static_cast<char>(code));
    if (code >= kNumpad0 && code <= kNumpad9)
        return std::string("テンキー ").append(std::to_string(code - kNumpad0));
    if (code >= kF1 && code <= kF24)
        return std::string(1, 'F').append(std::to_string(code - kF1 + 1));
    const auto& names = SpecialKeyNames();
    if (const auto found = names.find(code); found != names.end())
        return std::string(found->second);
    return std::string(1, '#').append(std::to_string(code));
}

// The code of a key name: a name CodeName gives, "#" and the number, or
// (as older versions read it) the code of the first character; -1 for none.
int ParseCodeName(std::string_view name) {
    if (name.empty()) return -1;
    for (int code = 0; code < kVirtualKeys; ++code)
        if (CodeName(code) == name) return code;
    if (name[0] != '#') return static_cast<unsigned char>(name[0]);
    int code = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), code);
    if (error != std::errc{} || end == name.data() + 1) return -1;
    return code;
}

bool ValidIndex(int index) {
    return index >= 0 && index < kKeyTableSize;
}

}  // namespace

int KeyTableIndex(int virtualKey, bool ctrl, bool shift) {
    if (ctrl) return virtualKey + kCtrlKeyOffset;
    if (shift) return virtualKey + kShiftKeyOffset;
    return virtualKey;
}

std::string KeyName(int index) {
    if (index > kShiftKeyOffset)
        return std::string(kShiftPrefix) + CodeName(index - kShiftKeyOffset);
    if (index > kCtrlKeyOffset) return std::string(kCtrlPrefix) + CodeName(index - kCtrlKeyOffset);
    return CodeName(index);
}

int ParseKeyName(std::string_view name) {
    if (name.empty()) return -1;
    for (const auto& [prefix, offset] :
         {std::pair{kShiftPrefix, kShiftKeyOffset}, std::pair{kOldShiftPrefix, kShiftKeyOffset},
          std::pair{kCtrlPrefix, kCtrlKeyOffset}}) {
        if (name.starts_with(prefix)) {
            const int code = ParseCodeName(name.substr(prefix.size()));
            return code < 0 ? -1 : offset + code;
        }
    }
    return ParseCodeName(name);
}

char AssignedKeyChar(const KeyTable& keys, int index, int mode) {
    if (!ValidIndex(index)) return '\0';
    const std::string& entry = keys[static_cast<std::size_t>(index)];
    return entry.size() == kEntryLength ? entry[static_cast<std::size_t>(mode)] : '\0';
}

std::vector<KeyRow> KeyAssignmentRows(const KeyTable& keys, char keyChar) {
    std::vector<KeyRow> rows;
    for (int index = 0; index < kKeyTableSize; ++index) {
        const std::string& entry = keys[static_cast<std::size_t>(index)];
        if (entry.size() < kEntryLength || entry.find(keyChar) == std::string::npos) continue;
        KeyRow row;
        for (std::size_t mode = 0; mode < row.size(); ++mode)
            if (entry[mode] == keyChar) row[mode] = KeyName(index);
        rows.push_back(row);
    }
    return rows;
}

void StoreKeyAssignments(KeyTable& keys, char keyChar, const std::vector<KeyRow>& rows) {
    for (const KeyRow& row : rows) {
        for (std::size_t mode = 0; mode < row.size(); ++mode) {
            const int index = ParseKeyName(row[mode]);
            if (!ValidIndex(index)) continue;
            std::string& entry = keys[static_cast<std::size_t>(index)];
            if (entry.size() < kEntryLength) entry = kUnassignedEntry;
            entry[mode] = keyChar;
        }
    }
}

void DeleteKeyAssignment(KeyTable& keys, std::string_view name, int mode) {
    const int index = ParseKeyName(name);
    if (!ValidIndex(index)) return;
    std::string& entry = keys[static_cast<std::size_t>(index)];
    if (entry.size() == kEntryLength) entry[static_cast<std::size_t>(mode)] = kUnassignedMode;
}

}  // namespace tavrik
