// Commands of the history panel and menu: recording, clear, delete, replay,
// the history file and the log.
#include <charconv>

#include "engine/calculator.h"
#include "history/history_file.h"
#include "settings/key_codes.h"

namespace tavrik {

namespace {

// The key an operation line of the history presses; 0 for none.
int ReplayCode(std::string_view text, bool& unreadable) {
    unreadable = false;
    switch (text.size() > 1 ? text[1] : '\0') {
        case '+':
            return kAdd;
        case '-':
            return kSubtract;
        case '*':
            return kMultiply;
        case '/':
            return kDivide;
        case '=':
            return kEquals;
        case '%':
            return kPercent;
        case 'F':
            break;
        default:
            return 0;
    }
    std::string_view digits = text.substr(2);
    digits = digits.substr(0, digits.find(' '));
    int code = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    unreadable = ec != std::errc() || end != digits.data() + digits.size() || digits.empty();
    return unreadable ? 0 : code;
}

}  // namespace

void Calculator::toggleRecording() {
    setRecording(!history_.recording());
}

void Calculator::setRecording(bool on) {
    history_.setRecording(on);
    history_.select(-1);
}

void Calculator::replayHistoryLine() {
    HistoryList& list = history_.current();
    const int selected = list.selected;
    if (selected < 0 || selected >= static_cast<int>(list.lines.size())) return;
    const std::string line = list.lines[static_cast<std::size_t>(selected)];
    if (line.find(kAcLineText) != std::string::npos) return;
    const std::string text = StripLineNumber(line);
    if (text.empty() || text.front() != '#') {
        setDisplay(text);
        state_.entry.startOperand(state_.pendingOperator);
    } else {
        bool unreadable = false;
        const int code = ReplayCode(text, unreadable);
        if (unreadable) {
            view_.messageBox(BoxKind::Error, std::string(1, '\'')
                                                 .append(text, 2, text.find(' ') - 2)
                                                 .append("' is not a valid integer value"));
            return;
        }
        if (code != 0) PushBBtn(code);
    }
    if (history_.moveDown() && selected < static_cast<int>(list.lines.size()) - 1)
        history_.select(selected + 1);
}

void Calculator::enterHistoryValue(int index) {
    history_.select(index);
    const HistoryList& list = history_.current();
    if (list.selected < 0) return;
    const auto selected = static_cast<std::size_t>(list.selected);
    const std::string_view text = WithoutLineNumber(list.lines[selected]);
    if (!text.starts_with('#') && text.find(kAcLineText) == std::string_view::npos)
        return replayHistoryLine();
    if (const std::string result = list.results[selected].shown; !result.empty()) pasteText(result);
}

void Calculator::writeHistoryFile(const std::string& path) {
    if (!WriteHistoryFile(path, mode(), history_.current().lines, clock_.now()))
        view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
}

void Calculator::readHistoryFile(const std::string& path) {
    undoSteps_.clear();
    const FileFailure failure = ReadHistoryFile(path, mode(), [this](std::string_view line) {
        return history_.AddHList(line, kValueLine);
    });
    if (failure != FileFailure::None) view_.messageBox(BoxKind::Error, ReadFailureMessage(failure));
}

// The view hears of the log either way, so that the menu's check shows
// whether it runs.
bool Calculator::startLog(const std::string& path) {
    if (!log_.active() && !log_.start(path, clock_.now()))
        view_.messageBox(BoxKind::Error, WriteFailureMessage(log_.openFailure()));
    view_.changed(kLogChanged);
    return log_.active();
}

void Calculator::stopLog() {
    log_.stop();
    view_.changed(kLogChanged);
}

void Calculator::copyHistoryLine() {
    const HistoryList& list = history_.current();
    if (list.selected < 0 || list.selected >= static_cast<int>(list.lines.size())) return;
    view_.setClipboard(
        std::string(WithoutLineNumber(list.lines[static_cast<std::size_t>(list.selected)])));
}

}  // namespace tavrik
