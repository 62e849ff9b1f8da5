#include "history/kept_state.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

#include "history/history_list.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "textfile/text_file.h"
#include "values/register_text.h"
#include "values/value_context.h"

namespace tavrik {

namespace {

constexpr std::string_view kVersionLine = "Tavrik state 1";
constexpr std::string_view kCurrentKey = "Current=";
constexpr std::string_view kMemoryKey = "Memory=";
constexpr std::string_view kListKey = "List=";
constexpr std::string_view kSheetKey = "Sheet=";
constexpr std::string_view kSheetLineBreak = "\r\n";
constexpr std::string_view kEndLine = "End";
constexpr std::string_view kSetAsideSuffix = ".bad";
// Four full lists of long lines fit well within this.
constexpr std::size_t kMaxStateBytes = 64u << 20;
// A register holds a display text; nothing longer is one.
constexpr std::size_t kMaxMemoryBytes = 1024;

constexpr std::string_view kDamaged =
    "保存された履歴とメモリーが壊れているため、読み込みませんでした";
constexpr std::string_view kForeign =
    "保存された履歴とメモリーは別の版または別の形式のため、読み込みませんでした";
constexpr std::string_view kUnreadable = "保存された履歴とメモリーを読み込めませんでした";
constexpr std::string_view kNoStateFolder =
    "履歴とメモリーを残す場所がありません（HOME または XDG_STATE_HOME "
    "を絶対パスで設定してください）。\n"
    "履歴とメモリーは残りません。";

std::optional<int> ReadCount(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || value < 0)
        return std::nullopt;
    return value;
}

// The lines of the text, one by one, each only once.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    std::optional<std::string_view> next() {
        if (done_) return std::nullopt;
        const auto end = text_.find('\n');
        std::string_view line = text_.substr(0, end);
        if (end == std::string_view::npos)
            done_ = true;
        else
            text_.remove_prefix(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }
    // Only an empty rest may follow the end line (the last line break).
    bool atEnd() const { return done_ || text_.empty(); }

  private:
    std::string_view text_;
    bool done_ = false;
};

std::optional<std::string_view> Value(std::optional<std::string_view> line, std::string_view key) {
    if (!line || !line->starts_with(key)) return std::nullopt;
    return line->substr(key.size());
}

KeptStateRead Refused(std::string_view why) {
    return {std::nullopt, std::string(why)};
}

}  // namespace

std::filesystem::path KeptStateFile() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && std::filesystem::path(state).is_absolute())
        return std::filesystem::path(state) / "tavrik" / "state.txt";
    const char* home = std::getenv("HOME");
    if (home && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / ".local" / "state" / "tavrik" / "state.txt";
    return {};
}

std::string KeptStateText(const KeptState& state) {
    std::string text;
    const auto line = [&text](std::string_view part) { text.append(part).append("\r\n"); };
    line(kVersionLine);
    line(std::string(kCurrentKey) + std::to_string(state.currentMemory));
    for (const std::string& memory : state.memory) line(std::string(kMemoryKey) + memory);
    for (std::size_t mode = 0; mode < state.lists.size(); ++mode) {
        line(std::string(kListKey) + kModeLetters[mode] + " " +
             std::to_string(state.counters[mode]) + " " + std::to_string(state.lists[mode].size()));
        for (const std::string& history : state.lists[mode]) line(history);
    }
    if (state.sheet) {
        // "Sheet=auto count": the lines follow, the last one even when empty.
        std::vector<std::string_view> lines;
        std::string_view rest = state.sheet->text;
        for (auto end = rest.find(kSheetLineBreak); end != std::string_view::npos;
             end = rest.find(kSheetLineBreak)) {
            lines.push_back(rest.substr(0, end));
            rest.remove_prefix(end + kSheetLineBreak.size());
        }
        lines.push_back(rest);
        line(std::string(kSheetKey) + (state.sheet->autoAnswer ? "1 " : "0 ") +
             std::to_string(lines.size()));
        for (std::string_view sheetLine : lines) line(sheetLine);
    }
    line(kEndLine);
    return text;
}

KeptStateRead ParseKeptState(std::string_view text) {
    LineReader lines(text);
    const auto version = lines.next();
    if (!version || *version != kVersionLine) return Refused(kForeign);
    KeptState state;
    const auto current = Value(lines.next(), kCurrentKey);
    const auto slot = current ? ReadCount(*current) : std::nullopt;
    if (!slot || *slot > 3) return Refused(kDamaged);
    state.currentMemory = *slot;
    for (std::string& memory : state.memory) {
        const auto value = Value(lines.next(), kMemoryKey);
        if (!value || value->size() > kMaxMemoryBytes || !IsRegisterText(*value))
            return Refused(kDamaged);
        memory = *value;
    }
    for (std::size_t mode = 0; mode < state.lists.size(); ++mode) {
        // "List=D counter count"
        const auto header = Value(lines.next(), kListKey);
        if (!header || header->size() < 2 || (*header)[0] != kModeLetters[mode] ||
            (*header)[1] != ' ')
            return Refused(kDamaged);
        const std::string_view numbers = header->substr(2);
        const auto blank = numbers.find(' ');
        if (blank == std::string_view::npos) return Refused(kDamaged);
        const auto counter = ReadCount(numbers.substr(0, blank));
        const auto count = ReadCount(numbers.substr(blank + 1));
        if (!counter || !count || *counter > kMaxLineCounter) return Refused(kDamaged);
        state.counters[mode] = *counter;
        for (int i = 0; i < *count; ++i) {
            const auto history = lines.next();
            if (!history) return Refused(kDamaged);
            if (state.lists[mode].size() < kMaxKeptLines) state.lists[mode].emplace_back(*history);
        }
    }
    auto end = lines.next();
    if (const auto sheet = Value(end, kSheetKey)) {
        // "0 count" or "1 count"
        if (sheet->size() < 2 || ((*sheet)[0] != '0' && (*sheet)[0] != '1') || (*sheet)[1] != ' ')
            return Refused(kDamaged);
        const auto count = ReadCount(sheet->substr(2));
        if (!count || *count == 0) return Refused(kDamaged);
        KeptState::Sheet kept{{}, (*sheet)[0] == '1'};
        for (int i = 0; i < *count; ++i) {
            const auto sheetLine = lines.next();
            if (!sheetLine) return Refused(kDamaged);
            if (i > 0) kept.text.append(kSheetLineBreak);
            kept.text.append(*sheetLine);
        }
        state.sheet = std::move(kept);
        end = lines.next();
    }
    if (!end || *end != kEndLine || !lines.atEnd()) return Refused(kDamaged);
    return {std::move(state), {}};
}

bool SaveKeptState(const std::filesystem::path& file, const KeptState& state) {
    if (file.empty()) return false;
    // A bare file name has no folder to create.
    if (const auto folder = file.parent_path(); !folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) return false;
    }
    const std::string bytes = cp932::Encode(KeptStateText(state));
    return !bytes.empty() && WriteFileAtomically(file, bytes);
}

KeptStateRead LoadKeptState(const std::filesystem::path& file) {
    if (file.empty()) return Refused(kNoStateFolder);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) return {};
    const FileRead read = ReadFile(file, kMaxStateBytes);
    if (!read.ok()) return Refused(kUnreadable);
    const auto text = cp932::Decode(read.bytes);
    if (!text) return Refused(kDamaged);
    return ParseKeptState(*text);
}

std::string SetAsideKeptState(const std::filesystem::path& file) {
    std::error_code error;
    if (file.empty() || std::filesystem::is_directory(file, error)) return {};
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) return {};
    std::filesystem::path aside = file;
    aside += kSetAsideSuffix;
    std::filesystem::rename(file, aside, error);
    if (error)
        return "読み込めなかったファイルを別の名前にできませんでした。終了時に上書きされます";
    return "読み込めなかったファイルは次の名前で残しました\n" + aside.string();
}

bool DeleteKeptState(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::remove(file, error);
    return !error;
}

}  // namespace tavrik
