#include "history/history_file.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "textfile/text_file.h"

namespace tavrik {
namespace {

constexpr std::string_view kHeaderStart = "*** Tavrik 履歴 ";
constexpr std::string_view kModeMarker = "Mode:";

}  // namespace

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
    file.addLine(std::string(kHeaderStart) + TimestampText(now));
    file.addLine(std::string(kModeMarker) + static_cast<char>(mode));
    bool written = true;
    for (const auto& line : lines) {
        file.addLine(StripLineNumber(line));
        if (file.pendingSize() >= kWriteBlock) written = file.write() && written;
    }
    return file.write() && written;
}

FileFailure ReadHistoryFile(const std::filesystem::path& path, CalcMode mode,
                            const std::function<bool(std::string_view)>& add) {
    try {
        std::optional<std::string> text;
        {
            const FileRead read = ReadFile(path, kMaxHistoryFileBytes);
            if (!read.ok()) return read.failure;
            text = cp932::Decode(read.bytes);
        }  // the bytes go before the lines are added
        if (!text) return FileFailure::NotConverted;
        std::string_view rest = *text;
        if (!rest.ends_with('\n') && rest.find(kHeaderStart) != std::string_view::npos)
            rest = rest.substr(0, rest.rfind('\n') + 1);
        const std::string modeLine = std::string(kModeMarker) + static_cast<char>(mode);
        bool matching = false;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(std::min(end + 1, rest.size()));
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (line.find(kModeMarker) != std::string_view::npos) {
                matching = line.find(modeLine) != std::string_view::npos;
                continue;
            }
            if (!matching || line.empty() || line.find("Tavrik") != std::string_view::npos)
                continue;
            if (!add(StripLineNumber(line))) break;
        }
    } catch (const std::bad_alloc&) {
        // The lines added so far stay; the rest did not fit in memory.
        return FileFailure::TooLarge;
    }
    return FileFailure::None;
}

}  // namespace tavrik
