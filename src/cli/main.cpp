// tavrik-cli: the console front end.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "cli/console.h"

namespace {

int Usage() {
    std::cerr << "usage: tavrik-cli [--ini FILE] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> ini;
    std::optional<std::string> script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ini" && i + 1 < argc)
            ini = argv[++i];
        else if (!arg.empty() && arg.front() != '-' && !script)
            script = arg;
        else
            return Usage();
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
