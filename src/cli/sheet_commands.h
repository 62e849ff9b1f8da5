// Console commands of the formula sheet (`sheet …`, `formula`, `check`) and
// the command-line use of tavrik-cli as a formula sheet evaluator.
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "engine/calculator.h"
#include "formula/formula_sheet.h"

namespace tavrik::cli {

// Runs `command` with its arguments when it is one of the sheet commands;
// false when the command word is not one of them.
bool RunSheetCommand(FormulaSheet& sheet, const Calculator& calc, View& view, std::ostream& out,
                     std::string_view command, std::string_view args);

// Reads a sheet file (Shift-JIS), runs the whole sheet and prints the answered
// text, UTF-8 with LF line ends. Returns the process exit status.
int PrintAnsweredSheetFile(FormulaSheet& sheet, std::ostream& out,
                           const std::filesystem::path& path);

// Runs one formula line as a sheet and prints the answered text.
int PrintAnsweredFormula(FormulaSheet& sheet, std::ostream& out, std::string_view formula);

}  // namespace tavrik::cli
