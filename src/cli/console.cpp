#include "cli/console.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/command_words.h"
#include "cli/sheet_commands.h"
#include "engine/display_geometry.h"
#include "engine/tape.h"
#include "formula/function_catalogue.h"
#include "settings/key_codes.h"
#include "settings/settings_io.h"
#include "textfile/lost_characters.h"

namespace tavrik::cli {

namespace {

std::optional<int> ReadInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

bool ReadSwitch(std::string_view text, bool& on) {
    if (text == "on") return on = true, true;
    if (text == "off") return on = false, true;
    return false;
}

}  // namespace

Console::Console(std::ostream& out, std::optional<std::filesystem::path> ini)
    : out_(out), view_(out), calc_(view_, clock_) {
    if (ini) settingsFile_.emplace(*ini);
    calc_.setSettings(settingsFile_ ? settingsFile_->Load(GlobalSettings{}) : GlobalSettings{});
    if (settingsFile_ && !settingsFile_->LoadProblem().empty())
        view_.messageBox(BoxKind::Warning, settingsFile_->LoadProblem());
    applyDisplayModel();
    calc_.start();
}

// Every character is one cell; the display is as wide as the window's would
// be, and the strip of a `DigitsD` of 0 is kStripCells wide.
void Console::applyDisplayModel() {
    constexpr int kStripCells = 25;
    constexpr int kCellWidth = 1;
    const int digitsD = calc_.currentSet().DigitsD;
    const int width =
        DisplayDigits(digitsD) == 0 ? kStripCells : DisplayTextWidth(digitsD, kCellWidth);
    calc_.setGeometry(DisplayGeometryOf(digitsD, width, kCellWidth));
}

void Console::error(std::string_view message) {
    refused_ = true;
    out_ << "error: " << message << '\n';
}

bool Console::run(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') return true;
    const auto [command, args] = SplitWord(line);
    if (command == "quit") return false;
    if (RunSheetCommand(sheet_, calc_, view_, out_, command, args)) return true;
    if (command == "keys") {
        keys(args);
    } else if (command == "press") {
        press(args);
    } else if (command == "mode") {
        mode(args);
    } else if (command == "now") {
        now(args);
    } else if (command == "set") {
        set(args);
    } else if (command == "choose") {
        choose(args);
    } else if (command == "display") {
        out_ << "display: " << calc_.displayText() << '\n';
    } else if (command == "panel") {
        panel(args);
    } else if (command == "strip") {
        out_ << "strip: " << calc_.status().strip() << '\n';
    } else if (command == "memory") {
        memory(args);
    } else if (command == "history") {
        history(args);
    } else if (command == "undo" && args.empty()) {
        calc_.undo();
    } else if (command == "redo" && args.empty()) {
        calc_.redo();
    } else if (command == "ini") {
        ini(args);
    } else if (command == "log") {
        log(args);
    } else if (command == "funcs") {
        for (const CatalogueEntry& entry : FunctionCatalogue())
            out_ << "funcs: F#" << entry.code << ' ' << entry.name << ": " << entry.description
                 << '\n';
    } else if (command == "paste") {
        // The console's clipboard, or the text given.
        if (args.empty())
            calc_.pasteClipboard();
        else
            calc_.pasteText(args);
    } else if (command == "state") {
        state(args);
    } else if (command == "copy") {
        if (args != "number") return error("copy takes number"), true;
        calc_.copyPlainNumber();
    } else {
        error("unknown command '" + std::string(command) + "'");
    }
    return true;
}

void Console::keys(std::string_view text) {
    for (char c : text) {
        if (c == ' ') continue;
        const int code = CodeOfKeyChar(c);
        if (code == 0) {
            error(std::string("no key for the character '") + c + "'");
            return;
        }
        calc_.PushBBtn(code);
    }
}

void Console::press(std::string_view args) {
    std::vector<int> codes;
    while (!args.empty()) {
        auto [word, rest] = SplitWord(args);
        args = rest;
        if (word.empty()) continue;
        const auto code = ReadInt(word);
        if (!code) return error("press takes button codes as decimal numbers");
        codes.push_back(*code);
    }
    if (codes.empty()) return error("press needs at least one button code");
    for (int code : codes) calc_.PushBBtn(code);
}

void Console::mode(std::string_view args) {
    if (args.size() != 1 || kModeLetters.find(args.front()) == std::string_view::npos)
        return error("mode takes one of D, H, T, C");
    calc_.switchMode(ModeFromLetter(args.front()));
}

void Console::now(std::string_view args) {
    DateTime t;
    char tail = 0;
    if (std::sscanf(std::string(args).c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month,
                    &t.day, &t.hour, &t.minute, &t.second, &tail) != 6 ||
        t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59)
        return error("now takes YYYY-MM-DD HH:MM:SS");
    clock_.fix(t);
}

void Console::set(std::string_view args) {
    const auto equals = args.find('=');
    if (equals == std::string_view::npos || equals == 0) return error("set takes KEY=VALUE");
    const std::string_view key = args.substr(0, equals);
    const std::string_view value = args.substr(equals + 1);
    GlobalSettings edited = calc_.settings();
    if (!AssignSettingKey(edited, calc_.currentSetIndex(), key, value))
        return error("unknown setting '" + std::string(key) + "'");
    // The console has no "桁区切" menu: its check is KK3 itself.
    calc_.applyEditedSettings(std::move(edited), calc_.currentSetIndex(),
                              Calculator::GroupingCheck::FollowsKK3);
    applyDisplayModel();
}

// The set menu's item I: the sets counted from 0 as the settings file lists them.
void Console::choose(std::string_view args) {
    const auto index = ReadInt(args);
    const int last = std::min(calc_.settings().LastSetIndex, kDefaultSetSlot - 1);
    if (!index || *index < 0 || *index > last) return error("choose takes a set of the set menu");
    calc_.chooseSet(*index, [this] { applyDisplayModel(); });
}

void Console::memory(std::string_view args) {
    if (args.empty()) {
        const auto& texts = calc_.memory().texts;
        out_ << "memory: " << texts[0] << '|' << texts[1] << '|' << texts[2] << '|' << texts[3]
             << '\n';
        return;
    }
    const auto [action, slotText] = SplitWord(args);
    const auto slot = ReadInt(slotText);
    if (!slot || *slot < 0 || *slot > 3) return error("memory takes a register from 0 to 3");
    if (action == "select")
        calc_.selectMemory(*slot);
    else if (action == "store")
        calc_.storeMemory(*slot);
    else if (action == "recall")
        calc_.recallMemory(*slot);
    else
        error("memory takes select, store or recall");
}

void Console::history(std::string_view args) {
    const History& history = calc_.history();
    if (args.empty()) return printHistory();
    const auto [action, rest] = SplitWord(args);
    bool on = false;
    if (action == "select") {
        const auto index = ReadInt(rest);
        if (!index) return error("history select takes a line number");
        calc_.selectHistoryLine(*index);
    } else if (action == "record" && ReadSwitch(rest, on)) {
        if (history.recording() != on) calc_.toggleRecording();
    } else if (action == "down" && ReadSwitch(rest, on)) {
        calc_.setHistoryMoveDown(on);
    } else if (action == "clear" && rest.empty()) {
        calc_.clearHistory();
    } else if (action == "delete" && rest.empty()) {
        calc_.deleteHistoryLine();
    } else if (action == "replay" && rest.empty()) {
        calc_.replayHistoryLine();
    } else if (action == "copy" && rest.empty()) {
        calc_.copyHistoryLine();
    } else if (action == "write" && !rest.empty()) {
        calc_.writeHistoryFile(std::string(rest));
    } else if (action == "read" && !rest.empty()) {
        calc_.readHistoryFile(std::string(rest));
    } else if (action == "csv" && !rest.empty()) {
        calc_.exportHistoryCsv(std::string(rest));
    } else {
        error(
            "history takes select N, clear, delete, replay, record on|off, down on|off, "
            "write PATH, read PATH or csv PATH");
    }
}

// With "結果を表示" on, each line that shows a result is followed by it, and
// an "=" line by the grand total too.
void Console::printHistory() {
    const bool withResults = calc_.currentSet().ResultH;
    for (const TapeRow& row : TapeRows(calc_.history().current(), calc_.values())) {
        out_ << "history: " << row.line << '\n';
        if (!withResults || row.result.empty()) continue;
        out_ << "result: " << row.result;
        if (!row.grandTotal.empty()) out_ << " GT " << row.grandTotal;
        out_ << '\n';
    }
}

void Console::log(std::string_view args) {
    const auto [action, path] = SplitWord(args);
    if (action == "start" && !path.empty()) {
        calc_.startLog(std::string(path));
    } else if (action == "stop" && path.empty()) {
        calc_.stopLog();
    } else {
        error("log takes start PATH or stop");
    }
}

// The history lists and memory registers kept across a restart, in a file
// of the console's choosing.
void Console::state(std::string_view args) {
    const auto [action, path] = SplitWord(args);
    if (action == "save" && !path.empty()) {
        if (!SaveKeptState(std::string(path), calc_.keptState()))
            view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
    } else if (action == "load" && !path.empty()) {
        const KeptStateRead read = LoadKeptState(std::string(path));
        if (read.state) calc_.restoreKeptState(*read.state);
        if (!read.problem.empty()) view_.messageBox(BoxKind::Warning, read.problem);
    } else {
        error("state takes save PATH or load PATH");
    }
}

void Console::ini(std::string_view args) {
    if (args != "save") return error("ini takes save");
    if (!settingsFile_) return error("no settings file: start with --ini FILE");
    const std::vector<std::string> lost = settingsFile_->LostCharacters(calc_.settings());
    if (!lost.empty() && !view_.messageBox(BoxKind::Confirmation, LostCharactersQuestion(lost)))
        return;
    if (!calc_.saveSettings(
            [this](GlobalSettings& settings) { return settingsFile_->Save(settings); }))
        view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
}

void Console::panel(std::string_view args) {
    const auto part = ReadInt(args);
    if (!part || *part < 0 || *part >= kStatusPartCount)
        return error("panel takes a part from 0 to 3");
    out_ << "panel" << *part << ": " << calc_.status().panel(static_cast<StatusPart>(*part))
         << '\n';
}

}  // namespace tavrik::cli
