// tavrik-cli: the console front end. TAVRIK_VERSION and TAVRIK_DOCDIR_FROM_BINDIR
// come from the build (cmake/Install.cmake).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/console.h"
#include "cli/sheet_commands.h"
#include "cli/sheet_heap.h"
#include "cli/sheet_watch.h"

namespace {

constexpr int kUsageStatus = 2;
// Named instead of the installed copy when running from a build tree.
constexpr const char* kSourceConsoleDocument = "docs/console.md in the Tavrik sources";

constexpr const char* kUsageLines =
    "usage: tavrik-cli [--ini FILE] [SCRIPT]\n"
    "       tavrik-cli [--ini FILE] COMMAND [ARGUMENT...] | -c COMMANDS\n"
    "       tavrik-cli [--ini FILE] --sheet FILE [--watch] | -e FORMULA\n";

// The installed console document, found relative to this executable so that a
// relocated installation names its own copy.
std::filesystem::path ConsoleDocument() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path docDir = error ? std::filesystem::path(TAVRIK_DOCDIR_FROM_BINDIR)
                                               : exe.parent_path() / TAVRIK_DOCDIR_FROM_BINDIR;
    const std::filesystem::path installed = (docDir / "console.md").lexically_normal();
    return std::filesystem::exists(installed, error) ? installed : kSourceConsoleDocument;
}

void PrintHelp() {
    std::cout << kUsageLines
              << "\n"
                 "Runs console commands from SCRIPT, or from standard input, on the Tavrik\n"
                 "calculator engine and prints what the calculator shows. A first argument\n"
                 "that names no file is a command, with the arguments after it\n"
                 "(tavrik-cli funcs).\n"
                 "\n"
                 "options:\n"
                 "  --ini FILE      read settings from FILE (created from TavrikS.ini in its\n"
                 "                  folder when missing) and write them there with 'ini save';\n"
                 "                  without it every setting takes its default\n"
                 "  --sheet FILE    answer the formula sheet FILE and print the answered text\n"
                 "  --watch         with --sheet: print it again each time FILE changes, until\n"
                 "                  the end of the input or Ctrl+C\n"
                 "  -c COMMANDS     run COMMANDS, one command a line, instead of a SCRIPT\n"
                 "  -e FORMULA      answer one formula and print the answered text\n"
                 "  -h, --help      show this help and exit\n"
                 "  --version       show the version and exit\n"
                 "\n"
                 "The commands and their output are described in "
              << ConsoleDocument().string() << "\nand in tavrik-cli(1).\n";
}

int UsageError(const std::string& problem) {
    std::cerr << "tavrik-cli: " << problem << '\n'
              << kUsageLines << "Try 'tavrik-cli --help' for more information.\n";
    return kUsageStatus;
}

bool TakesValue(const std::string& arg) {
    return arg == "--ini" || arg == "--sheet" || arg == "-e" || arg == "-c";
}

// Runs each line of `in` until `quit`. Commands given on the command line
// end with status 1 when one was refused; a script always ends with 0.
int RunScript(std::istream& in, const std::optional<std::filesystem::path>& ini,
              bool fromCommandLine = false) {
    std::ios::sync_with_stdio(false);
    tavrik::cli::Console console(std::cout, ini);
    std::string line;
    while (std::getline(in, line))
        if (!console.run(line)) break;
    return fromCommandLine && console.refusedCommand() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> ini;
    std::vector<std::string> words;  // SCRIPT, or a command and its arguments
    std::optional<std::string> commands;
    std::optional<std::string> sheet;
    std::optional<std::string> formula;
    bool watch = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            PrintHelp();
            return 0;
        }
        if (arg == "--version") {
            std::cout << "tavrik-cli " << TAVRIK_VERSION << '\n';
            return 0;
        }
        if (TakesValue(arg) && i + 1 == argc) return UsageError("option " + arg + " needs a value");
        if (arg == "--ini") {
            ini = argv[++i];
        } else if ((arg == "--sheet" || arg == "-e") && (sheet || formula)) {
            return UsageError("--sheet and -e may be given only once, and not together");
        } else if (arg == "--sheet") {
            sheet = argv[++i];
        } else if (arg == "--watch") {
            watch = true;
        } else if (arg == "-e") {
            formula = argv[++i];
        } else if (arg == "-c") {
            if (commands) return UsageError("-c may be given only once");
            commands = argv[++i];
        } else if (words.empty() && !arg.empty() && arg.front() == '-') {
            return UsageError("unknown option " + arg);
        } else {
            words.push_back(arg);
        }
    }
    if (watch && !sheet) return UsageError("--watch needs --sheet FILE");
    if ((sheet || formula || commands) && !words.empty())
        return UsageError("a SCRIPT or COMMAND cannot be given with --sheet, -e or -c");
    if ((sheet || formula) && commands) return UsageError("-c cannot be given with --sheet or -e");
    if (sheet || formula) {
        // The answered text alone goes to standard output; boxes and beeps to standard error.
        std::ios::sync_with_stdio(false);
        tavrik::cli::PrepareSheetHeap(sheet);
        tavrik::cli::Console console(std::cerr, ini);
        if (watch)
            return tavrik::cli::WatchSheetFile(console.sheet(), std::cout, *sheet, STDIN_FILENO);
        return sheet ? tavrik::cli::PrintAnsweredSheetFile(console.sheet(), std::cout, *sheet)
                     : tavrik::cli::PrintAnsweredFormula(console.sheet(), std::cout, *formula);
    }
    if (commands) {
        std::istringstream lines(*commands);
        return RunScript(lines, ini, true);
    }
    if (words.empty()) return RunScript(std::cin, ini);
    std::error_code error;
    // A first word that names no file, and holds no path, is a command.
    if (!std::filesystem::exists(words.front(), error) &&
        words.front().find_first_of("/.") == std::string::npos) {
        std::string command = words.front();
        for (std::size_t i = 1; i < words.size(); ++i) command += ' ' + words[i];
        std::istringstream line(command);
        return RunScript(line, ini, true);
    }
    if (words.size() > 1) return UsageError("only one SCRIPT may be given");
    std::ifstream file(words.front());
    if (!file) {
        std::cerr << "tavrik-cli: cannot open " << words.front() << '\n';
        return 1;
    }
    return RunScript(file, ini);
}
