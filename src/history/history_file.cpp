#include "history/history_file.h"

#include <cstdio>

#include "history/text_file.h"
#include "settings/file_io.h"

namespace tavrik {

std::string TimestampText(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

std::string StripLineNumber(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return std::string(line);
    line.remove_prefix(std::min(line.size(), colon + 2));
    return std::string(line);
}

bool WriteHistoryFile(const std::filesystem::path& path, CalcMode mode, const HistoryLines& lines,
                      const DateTime& now) {
    // Lines go to the system in blocks of about this size, not one by one.
    constexpr std::size_t kWriteBlock = 64 * 1024;
    AppendFile file;
    if (!file.open(path)) return false;
    file.addLine("*** Tavrik 履歴 " + TimestampText(now));
    file.addLine(std::string("Mode:") + static_cast<char>(mode));
    bool written = true;
    for (const auto& line : lines) {
        file.addLine(StripLineNumber(line));
        if (file.pendingSize() >= kWriteBlock) written = file.write() && written;
    }
    return file.write() && written;
}

FileFailure ReadHistoryFile(const std::filesystem::path& path, CalcMode mode,
                            const std::function<bool(std::string_view)>& add) {
    const FileRead read = ReadFile(path);
    if (!read.ok()) return read.failure;
    const auto lines = SplitTextLines(read.bytes);
    if (!lines) return FileFailure::NotConverted;
    const std::string modeLine = std::string("Mode:") + static_cast<char>(mode);
    bool matching = false;
    for (const auto& line : *lines) {
        if (line.find("Mode:") != std::string::npos) {
            matching = line.find(modeLine) != std::string::npos;
            continue;
        }
        if (!matching || line.empty() || line.find("Tavrik") != std::string::npos) continue;
        if (!add(StripLineNumber(line))) break;
    }
    return FileFailure::None;
}

}  // namespace tavrik
