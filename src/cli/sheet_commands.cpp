#include "cli/sheet_commands.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "cli/command_words.h"
#include "formula/function_check.h"
#include "formula/sheet_text.h"
#include "settings/cp932.h"
#include "settings/file_io.h"

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

// A failure that ends a run reaches the default error report: a message box.
void Run(Calculator& calc) {
    try {
        calc.sheet().RunFormulaPanel();
    } catch (const std::exception& failure) {
        calc.view().messageBox(BoxKind::Error, failure.what());
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

void Sheet(Calculator& calc, ConsoleView& view, std::ostream& out, std::string_view args) {
    FormulaSheet& sheet = calc.sheet();
    const auto [action, rest] = SplitWord(args);
    if (action == "clear" && rest.empty()) {
        sheet.clear();
    } else if (action == "add") {
        sheet.addLine(rest);
    } else if (action == "select") {
        Select(sheet, out, rest);
    } else if (action == "run" && rest.empty()) {
        Run(calc);
    } else if (action == "plus" && (rest == "on" || rest == "off")) {
        sheet.setPlusFormula(rest == "on");
    } else if (action == "save" && !rest.empty()) {
        view.answerNextDialog(std::string(rest));
        sheet.WriteFormulaFile();
    } else if (action == "load" && !rest.empty()) {
        sheet.select(sheet.length(), 0);
        view.answerNextDialog(std::string(rest));
        sheet.ReadFormulaFile();
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

void Check(Calculator& calc, std::ostream& out, std::string_view args) {
    const auto k = ReadCount(args);
    if (!k || *k < 1 || *k > 6) return Error(out, "check takes a user function from 1 to 6");
    ShowFunctionFormulaCheck(calc.view(), calc.settings().FStr[*k - 1]);
}

// The sheet's lines, each ended by LF.
int PrintAnswered(Calculator& calc, std::ostream& out) {
    Run(calc);
    // The text with its line breaks written as LF, handed over in large pieces.
    std::string_view rest = calc.sheet().text();
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

bool RunSheetCommand(Calculator& calc, ConsoleView& view, std::ostream& out,
                     std::string_view command, std::string_view args) {
    if (command == "sheet") {
        Sheet(calc, view, out, args);
    } else if (command == "formula") {
        calc.sheet().clear();
        calc.sheet().addLine(args);
        Run(calc);
        Show(calc.sheet(), out);
    } else if (command == "check") {
        Check(calc, out, args);
    } else {
        return false;
    }
    return true;
}

int PrintAnsweredSheetFile(Calculator& calc, std::ostream& out, const std::filesystem::path& path) {
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
        calc.sheet().setText(WithLineBreaks(std::move(*text)));
    }
    return PrintAnswered(calc, out);
}

int PrintAnsweredFormula(Calculator& calc, std::ostream& out, std::string_view formula) {
    calc.sheet().clear();
    calc.sheet().addLine(formula);
    return PrintAnswered(calc, out);
}

}  // namespace tavrik::cli
