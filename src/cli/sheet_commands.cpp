#include "cli/sheet_commands.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "cli/command_words.h"
#include "formula/function_check.h"
#include "formula/sheet_line.h"
#include "formula/sheet_text.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"

namespace tavrik::cli {

namespace {

std::optional<std::size_t> ReadCount(std::string_view text) {
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void Error(std::ostream& out, std::string_view message) {
    out << "error: " << message << '\n';
}

// Why a sheet file was not read, in the console's language.
std::string ReadFailureReason(FileFailure failure) {
    switch (failure) {
        case FileFailure::NotRegularFile:
            return "not a regular file";
        case FileFailure::TooLarge:
            return "larger than " + std::to_string(kMaxSheetFileBytes >> 20) + " MiB";
        case FileFailure::NotConverted:
            return "not convertible from Shift-JIS";
        default:
            return "cannot open";
    }
}

void Show(const FormulaSheet& sheet, std::ostream& out) {
    for (const std::string_view line : SheetLines(sheet.text())) out << "sheet: " << line << '\n';
}

void Select(FormulaSheet& sheet, std::ostream& out, std::string_view args) {
    const auto [startText, lengthText] = SplitWord(args);
    const auto start = ReadCount(startText);
    const auto length = ReadCount(lengthText);
    if (!start || !length) return Error(out, "sheet select takes START LENGTH");
    sheet.select(*start, *length);
}

void Sheet(FormulaSheet& sheet, std::ostream& out, std::string_view args) {
    const auto [action, rest] = SplitWord(args);
    if (action == "clear" && rest.empty()) {
        sheet.clear();
    } else if (action == "add") {
        sheet.addLine(rest);
    } else if (action == "select") {
        Select(sheet, out, rest);
    } else if (action == "run" && rest.empty()) {
        sheet.RunFormulaPanel();
    } else if (action == "plus" && (rest == "on" || rest == "off")) {
        sheet.setPlusFormula(rest == "on");
    } else if (action == "save" && !rest.empty()) {
        sheet.WriteFormulaFile(std::string(rest));
    } else if (action == "load" && !rest.empty()) {
        sheet.select(sheet.length(), 0);
        sheet.ReadFormulaFile(std::string(rest));
    } else if (action == "copy" && rest.empty()) {
        sheet.CopyFormula();
    } else if (action == "show" && rest.empty()) {
        Show(sheet, out);
    } else {
        Error(out,
              "sheet takes clear, add TEXT, select START LENGTH, run, plus on|off, "
              "save PATH, load PATH, copy or show");
    }
}

void Check(const Calculator& calc, View& view, std::ostream& out, std::string_view args) {
    const auto k = ReadCount(args);
    if (!k || *k < 1 || *k > 6) return Error(out, "check takes a user function from 1 to 6");
    ShowFunctionFormulaCheck(view, calc.settings().FStr[*k - 1]);
}

// Why a formula got no answer, in the console's language.
std::string NoAnswerReason(const LineAnswer& answer) {
    switch (answer.outcome) {
        case LineOutcome::TooLong:
            return "longer than " + std::to_string(kMaxFormulaLineLength) + " characters";
        case LineOutcome::NeedsFunctionKeys:
            return "powers, roots and named functions are computed by the function keys only";
        case LineOutcome::NotComputed: {
            const std::size_t at = answer.errorPosition;
            const char failed = at < answer.formula.size() ? answer.formula[at] : '\0';
            if (failed == '/') return "division by zero or a result too large";
            if (failed == '+' || failed == '-' || failed == '*') return "a result too large";
            return "the formula cannot be computed";
        }
        case LineOutcome::NoFormula:
        case LineOutcome::Answered:
            break;
    }
    return "no formula of two operands and an operator";
}

// The sheet's lines, each ended by LF.
int PrintText(const FormulaSheet& sheet, std::ostream& out) {
    // The text with its line breaks written as LF, handed over in large pieces.
    std::string_view rest = sheet.text();
    constexpr std::size_t kPiece = 1 << 16;
    std::string piece;
    piece.reserve(kPiece + 256);
    while (!rest.empty()) {
        const std::size_t lineBreak = rest.find(kLineBreak);
        piece.append(rest.substr(0, lineBreak)) += '\n';
        rest.remove_prefix(lineBreak == std::string_view::npos ? rest.size()
                                                               : lineBreak + kLineBreak.size());
        if (piece.size() >= kPiece || rest.empty()) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            piece.clear();
        }
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace

bool RunSheetCommand(FormulaSheet& sheet, const Calculator& calc, View& view, std::ostream& out,
                     std::string_view command, std::string_view args) {
    if (command == "sheet") {
        Sheet(sheet, out, args);
    } else if (command == "formula") {
        sheet.clear();
        sheet.addLine(args);
        sheet.RunFormulaPanel();
        Show(sheet, out);
    } else if (command == "check") {
        Check(calc, view, out, args);
    } else {
        return false;
    }
    return true;
}

int PrintAnsweredSheetFile(FormulaSheet& sheet, std::ostream& out,
                           const std::filesystem::path& path) {
    {
        // The file's bytes are let go as soon as they are decoded.
        const FileRead read = ReadFile(path, kMaxSheetFileBytes);
        std::optional<std::string> text = read.ok() ? cp932::Decode(read.bytes) : std::nullopt;
        if (!text) {
            std::cerr << "tavrik-cli: cannot read " << path.string() << ": "
                      << ReadFailureReason(read.ok() ? FileFailure::NotConverted : read.failure)
                      << '\n';
            return 1;
        }
        sheet.setText(WithLineBreaks(std::move(*text)));
    }
    sheet.RunFormulaPanel();
    return PrintText(sheet, out);
}

int PrintAnsweredFormula(FormulaSheet& sheet, std::ostream& out, std::string_view formula) {
    sheet.clear();
    sheet.addLine(formula);
    sheet.RunFormulaPanel();
    const LineAnswer& answer = sheet.lastAnswer();
    if (!answer.answered()) {
        std::cerr << "tavrik-cli: no answer to " << formula << ": " << NoAnswerReason(answer)
                  << '\n';
        return 1;
    }
    return PrintText(sheet, out);
}

}  // namespace tavrik::cli
