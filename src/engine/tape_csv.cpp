// The tape as CSV for a spreadsheet: UTF-8 with a byte order mark, so that
// spreadsheets read the Japanese texts, CR LF line ends, and one row per
// history line with its value, operation and result.
#include <fstream>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "history/history_file.h"

namespace tavrik {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCsvHeader = "値,演算,結果";
constexpr std::string_view kCsvAcOperation = "AC";

// A field with a comma, a quote or a line end is quoted, its quotes doubled.
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
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

}  // namespace

std::string TapeCsv(const std::vector<TapeRow>& rows) {
    std::string csv(kUtf8ByteOrderMark);
    csv += kCsvHeader;
    csv += "\r\n";
    for (const TapeRow& row : rows) {
        const std::string text = StripLineNumber(row.line);
        std::string value, operation;
        if (text.find(kAcLineText) != std::string::npos)
            operation = kCsvAcOperation;
        else if (text.starts_with('#'))
            operation = OperationOf(text);
        else
            value = text;
        csv += CsvField(value) + ',' + CsvField(operation) + ',' + CsvField(row.result) + "\r\n";
    }
    return csv;
}

void Calculator::exportHistoryCsv(const std::string& path) {
    const std::string csv = TapeCsv(TapeRows(history_.current(), values_));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(csv.data(), static_cast<std::streamsize>(csv.size()));
    file.close();
    if (!file) view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
}

}  // namespace tavrik
