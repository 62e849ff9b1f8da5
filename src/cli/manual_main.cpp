// tavrik-manual-pages STARTER_INI OUTPUT_FOLDER: writes the generated pages
// of the HTML manual (the function catalogue and the keyboard page).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/manual_pages.h"
#include "settings/settings_file.h"

namespace {

bool WritePage(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tavrik-manual-pages STARTER_INI OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path starter = argv[1], folder = argv[2];
    tavrik::SettingsFile file(starter, starter);
    const tavrik::GlobalSettings settings = file.Load(tavrik::GlobalSettings{});
    if (!file.LoadProblem().empty()) {
        std::cerr << "tavrik-manual-pages: " << file.LoadProblem() << '\n';
        return 1;
    }
    std::filesystem::create_directories(folder);
    const bool written =
        WritePage(folder / "functions.html", tavrik::cli::FunctionCataloguePage()) &&
        WritePage(folder / "keyboard.html", tavrik::cli::KeyboardPage(settings.Keys));
    return written ? 0 : 1;
}
