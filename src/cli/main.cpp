// tavrik-cli: the console front end.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "cli/console.h"
#include "cli/sheet_commands.h"

namespace {

int Usage() {
    std::cerr << "usage: tavrik-cli [--ini FILE] [SCRIPT]\n"
                 "       tavrik-cli [--ini FILE] --sheet FILE | -e FORMULA\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> ini;
    std::optional<std::string> script;
    std::optional<std::string> sheet;
    std::optional<std::string> formula;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ini" && i + 1 < argc)
            ini = argv[++i];
        else if (arg == "--sheet" && i + 1 < argc && !sheet && !formula)
            sheet = argv[++i];
        else if (arg == "-e" && i + 1 < argc && !sheet && !formula)
            formula = argv[++i];
        else if (!arg.empty() && arg.front() != '-' && !script)
            script = arg;
        else
            return Usage();
    }
    if ((sheet || formula) && script) return Usage();
    if (sheet || formula) {
        // The answered text alone goes to standard output; boxes and beeps to standard error.
        std::ios::sync_with_stdio(false);
        tavrik::cli::Console console(std::cerr, ini);
        return sheet ? tavrik::cli::PrintAnsweredSheetFile(console.sheet(), console.view(),
                                                           std::cout, *sheet)
                     : tavrik::cli::PrintAnsweredFormula(console.sheet(), console.view(), std::cout,
                                                         *formula);
    }
    std::ifstream file;
    if (script) {
        file.open(*script);
        if (!file) {
            std::cerr << "tavrik-cli: cannot open " << *script << '\n';
            return 1;
        }
    }
    std::istream& in = script ? file : std::cin;
    std::ios::sync_with_stdio(false);
    tavrik::cli::Console console(std::cout, ini);
    std::string line;
    while (std::getline(in, line))
        if (!console.run(line)) break;
    return 0;
}
