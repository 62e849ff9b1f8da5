// tavrik-cli: the console front end. TAVRIK_VERSION and TAVRIK_DOCDIR_FROM_BINDIR
// come from the build (cmake/Install.cmake).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include <malloc.h>
#include <unistd.h>

#include "cli/console.h"
#include "cli/sheet_commands.h"
#include "cli/sheet_watch.h"

namespace {

constexpr int kUsageStatus = 2;
// A sheet's file, decoded text and answered text are each a few megabytes.
// Kept in the heap rather than in mappings of their own, the memory one of
// them leaves is used again by the next instead of being faulted in anew.
constexpr int kSheetBufferMappingThreshold = 64 << 20;
// Named instead of the installed copy when running from a build tree.
constexpr const char* kSourceConsoleDocument = "docs/console.md in the Tavrik sources";

constexpr const char* kUsageLines =
    "usage: tavrik-cli [--ini FILE] [SCRIPT]\n"
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
                 "calculator engine and prints what the calculator shows.\n"
                 "\n"
                 "options:\n"
                 "  --ini FILE      read settings from FILE (created from TavrikS.ini in its\n"
                 "                  folder when missing) and write them there with 'ini save';\n"
                 "                  without it every setting takes its default\n"
                 "  --sheet FILE    answer the formula sheet FILE and print the answered text\n"
                 "  --watch         with --sheet: print it again each time FILE changes, until\n"
                 "                  the end of the input or Ctrl+C\n"
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
    return arg == "--ini" || arg == "--sheet" || arg == "-e";
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> ini;
    std::optional<std::string> script;
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
        } else if (!arg.empty() && arg.front() == '-') {
            return UsageError("unknown option " + arg);
        } else if (script) {
            return UsageError("only one SCRIPT may be given");
        } else {
            script = arg;
        }
    }
    if (watch && !sheet) return UsageError("--watch needs --sheet FILE");
    if ((sheet || formula) && script)
        return UsageError("a SCRIPT cannot be given with --sheet or -e");
    if (sheet || formula) {
        // The answered text alone goes to standard output; boxes and beeps to standard error.
        std::ios::sync_with_stdio(false);
        mallopt(M_MMAP_THRESHOLD, kSheetBufferMappingThreshold);
        mallopt(M_TRIM_THRESHOLD, 2 * kSheetBufferMappingThreshold);
        tavrik::cli::Console console(std::cerr, ini);
        if (watch)
            return tavrik::cli::WatchSheetFile(console.sheet(), std::cout, *sheet, STDIN_FILENO);
        return sheet ? tavrik::cli::PrintAnsweredSheetFile(console.sheet(), std::cout, *sheet)
                     : tavrik::cli::PrintAnsweredFormula(console.sheet(), std::cout, *formula);
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
