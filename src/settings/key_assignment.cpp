#include "settings/key_assignment.h"

#include <charconv>

namespace tavrik {

namespace {

constexpr std::string_view kShiftPrefix = "Shft + ";
constexpr std::string_view kCtrlPrefix = "Ctrl + ";
constexpr int kFirstCharKey = 48;  // "0"
constexpr int kLastCharKey = 90;   // "Z"
constexpr std::size_t kEntryLength = kUnassignedEntry.size();

std::string CodeName(int code) {
    if (code >= kFirstCharKey && code <= kLastCharKey)
        return std::string(1, static_cast<char>(code));
    return std::string(1, '#').append(std::to_string(code));
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
    int offset = 0;
    std::string rest(name);
    if (const auto at = rest.find(kShiftPrefix); at != std::string::npos) {
        rest.erase(at, kShiftPrefix.size());
        offset = kShiftKeyOffset;
    } else if (const auto ctrl = rest.find(kCtrlPrefix); ctrl != std::string::npos) {
        rest.erase(ctrl, kCtrlPrefix.size());
        offset = kCtrlKeyOffset;
    }
    if (rest.empty()) return -1;
    if (rest[0] != '#') return offset + static_cast<unsigned char>(rest[0]);
    int code = 0;
    const auto [end, error] = std::from_chars(rest.data() + 1, rest.data() + rest.size(), code);
    if (error != std::errc{} || end == rest.data() + 1) return -1;
    return offset + code;
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
