// The tape as a table for a spreadsheet, one row per history line with its
// value, operation and result: as a CSV file, UTF-8 with a byte order mark so
// that spreadsheets read the Japanese texts, with CR LF line ends; and as
// tab-separated text for the clipboard.
#include <algorithm>
#include <array>
#include <fstream>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "history/history_file.h"

namespace tavrik {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 3> kHeader{"値", "演算", "結果"};
constexpr std::string_view kAcOperation = "AC";

struct TableFormat {
    char separator;
    std::string_view lineEnd;
};
constexpr TableFormat kCsvFormat{',', "\r\n"};
constexpr TableFormat kTabFormat{'\t', "\n"};

// A field with the separator, a quote or a line end is quoted, its quotes doubled.
std::string Field(std::string_view text, char separator) {
    const char special[] = {separator, '"', '\r', '\n'};
    if (text.find_first_of(std::string_view(special, std::size(special))) == std::string_view::npos)
        return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

// "#+" is the operation "+", "#F33 (税込)" the function's title "税込".
std::string OperationOf(std::string_view text) {
    text.remove_prefix(1);
    const auto open = text.find(" (");
    if (text.starts_with('F') && open != std::string_view::npos && text.ends_with(')'))
        return std::string(text.substr(open + 2, text.size() - open - 3));
    return std::string(text);
}

void AppendRow(std::string& table, const std::array<std::string_view, 3>& fields,
               TableFormat format) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) table += format.separator;
        table += Field(fields[i], format.separator);
    }
    table += format.lineEnd;
}

std::string Table(const std::vector<TapeRow>& rows, TableFormat format) {
    std::string table;
    AppendRow(table, kHeader, format);
    for (const TapeRow& row : rows) {
        const std::string text = StripLineNumber(row.line);
        std::string value, operation;
        if (text.find(kAcLineText) != std::string::npos)
            operation = kAcOperation;
        else if (text.starts_with('#'))
            operation = OperationOf(text);
        else
            value = text;
        AppendRow(table, {value, operation, row.result}, format);
    }
    return table;
}

}  // namespace

std::string TapeCsv(const std::vector<TapeRow>& rows) {
    return std::string(kUtf8ByteOrderMark) + Table(rows, kCsvFormat);
}

std::string TapeTabText(const std::vector<TapeRow>& rows) {
    return Table(rows, kTabFormat);
}

void Calculator::copyHistoryLines(std::vector<int> indices) {
    const std::vector<TapeRow> all = TapeRows(history_.current(), values_);
    std::ranges::sort(indices);
    std::vector<TapeRow> chosen;
    for (int i : indices)
        if (i >= 0 && i < static_cast<int>(all.size()))
            chosen.push_back(all[static_cast<std::size_t>(i)]);
    if (!chosen.empty()) view_.setClipboard(TapeTabText(chosen));
}

void Calculator::exportHistoryCsv(const std::string& path) {
    const std::string csv = TapeCsv(TapeRows(history_.current(), values_));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(csv.data(), static_cast<std::streamsize>(csv.size()));
    file.close();
    if (!file) view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
}

}  // namespace tavrik
