// The console front end: reads protocol commands, drives the calculator and
// prints query answers and events.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/console_view.h"
#include "engine/calculator.h"
#include "settings/settings_file.h"

namespace tavrik::cli {

// Reads the system clock until `now` fixes it.
class ConsoleClock final : public Clock {
  public:
    DateTime now() const override { return fixed_ ? *fixed_ : system_.now(); }
    void fix(DateTime time) { fixed_ = time; }

  private:
    SystemClock system_;
    std::optional<DateTime> fixed_;
};

class Console {
  public:
    // Starts the calculator as the desktop app does: settings (from `ini` when
    // given), the set in force, memory register 0, the start mode, AC.
    Console(std::ostream& out, std::optional<std::filesystem::path> ini);

    // Runs one command line; false once `quit` was given.
    bool run(std::string_view line);

    // True once a command was refused with "error: …".
    bool refusedCommand() const { return refused_; }

    Calculator& calculator() { return calc_; }
    // The console's formula sheet, run beside the calculator.
    FormulaSheet& sheet() { return sheet_; }

  private:
    void error(std::string_view message);
    void applyDisplayModel();

    void keys(std::string_view text);
    void press(std::string_view args);
    void mode(std::string_view args);
    void now(std::string_view args);
    void set(std::string_view args);
    void choose(std::string_view args);
    void memory(std::string_view args);
    void history(std::string_view args);
    void printHistory();
    void log(std::string_view args);
    void panel(std::string_view args);
    void ini(std::string_view args);
    void state(std::string_view args);

    std::ostream& out_;
    std::optional<SettingsFile> settingsFile_;
    ConsoleView view_;
    ConsoleClock clock_;
    Calculator calc_;
    FormulaSheet sheet_{calc_};
    bool refused_ = false;
};

}  // namespace tavrik::cli
