#include "history/history_list.h"

#include <algorithm>

namespace tavrik {

namespace {

// Between a line's number and its text.
constexpr std::string_view kNumberSeparator = ": ";

std::string Numbered(int number, std::string_view text) {
    return std::to_string(number) + std::string(kNumberSeparator) + std::string(text);
}

// "=", "%", tax and function lines show the result of their key.
bool ShowsResult(std::string_view text) {
    return text == "#=" || text == "#%" || text.starts_with("#F");
}

}  // namespace

std::string_view WithoutLineNumber(std::string_view line) {
    const std::size_t digits = line.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos) return line;
    const std::string_view rest = line.substr(digits);
    return rest.starts_with(kNumberSeparator) ? rest.substr(kNumberSeparator.size()) : line;
}

void History::setCurrentMode(CalcMode mode) {
    mode_ = mode;
    awaitingResult_ = false;
    view_.changed(kHistoryChanged);
}

void History::setRecording(bool on) {
    recording_ = on;
    view_.changed(kHistoryChanged);
}

void History::select(int index) {
    HistoryList& list = current();
    list.selected = index >= 0 && index < static_cast<int>(list.lines.size()) ? index : -1;
    view_.changed(kHistoryChanged);
}

void History::clear() {
    HistoryList& list = current();
    list.lines.clear();
    list.results.clear();
    awaitingResult_ = false;
    list.selected = -1;
    list.counter = 0;
    view_.changed(kHistoryChanged);
}

void History::deleteSelected() {
    HistoryList& list = current();
    auto& lines = list.lines;
    const int i = list.selected;
    const auto isAc = [&](int index) {
        return lines[static_cast<std::size_t>(index)].find(kAcLineText) != std::string::npos;
    };
    if (lines.empty() || i < 0 || i >= static_cast<int>(lines.size()) || isAc(i)) return;
    lines.erase(lines.begin() + i);
    list.results.erase(list.results.begin() + i);
    list.selected = -1;
    while (!lines.empty()) {
        const int at = std::min(i, static_cast<int>(lines.size()) - 1);
        list.selected = at;
        if (!isAc(at)) break;
        if (at > 0 && !isAc(at - 1)) break;
        lines.erase(lines.begin() + at);
        list.results.erase(list.results.begin() + at);
        list.selected = -1;
    }
    awaitingResult_ = false;
    view_.changed(kHistoryChanged);
}

namespace {

int NextNumber(int& counter) {
    counter = counter >= kMaxLineCounter ? 1 : counter + 1;
    return counter;
}

}  // namespace

bool History::AddHList(std::string_view text, int kind) {
    if (!recording_) return false;
    HistoryList& list = current();
    if (maxLines_ >= 6 && static_cast<int>(list.lines.size()) >= maxLines_) {
        view_.beep();
        view_.messageBox(BoxKind::Error, "履歴数が最大値に達しています");
        return false;
    }
    std::string line;
    switch (kind) {
        case kAcLine:
            if (numbering_ < 10) list.counter = 0;
            line = text;
            break;
        case kValueLine:
            line = Numbered(NextNumber(list.counter), text);
            break;
        case kOperationLine:
            if (numbering_ % 10 == 1)
                line = Numbered(NextNumber(list.counter), text);
            else
                line = text;
            break;
        default:
            line = text;
            break;
    }
    list.lines.push_back(std::move(line));
    list.results.emplace_back();
    awaitingResult_ = kind == kOperationLine && ShowsResult(text);
    view_.changed(kHistoryChanged);
    return true;
}

bool History::awaitingEquals() const {
    if (!awaitingResult_ || current().lines.empty()) return false;
    const std::string& line = current().lines.back();
    return line.ends_with("#=");
}

void History::settleResult(std::string_view shown, std::optional<long double> total) {
    if (!awaitingResult_) return;
    awaitingResult_ = false;
    HistoryList& list = current();
    if (list.results.empty()) return;
    list.results.back() = LineResult{std::string(shown), total};
    view_.changed(kHistoryChanged);
}

void History::truncate(std::size_t count, int counter, int selected) {
    HistoryList& list = current();
    if (count < list.lines.size()) {
        list.lines.resize(count);
        list.results.resize(count);
    }
    list.counter = counter;
    list.selected = selected < static_cast<int>(list.lines.size()) ? selected : -1;
    awaitingResult_ = false;
    view_.changed(kHistoryChanged);
}

void History::append(const HistoryLines& lines, const LineResults& results, int counter) {
    HistoryList& list = current();
    list.lines.insert(list.lines.end(), lines.begin(), lines.end());
    list.results.insert(list.results.end(), results.begin(), results.end());
    list.counter = counter;
    awaitingResult_ = false;
    view_.changed(kHistoryChanged);
}

void History::restore(CalcMode mode, HistoryLines lines, int counter) {
    HistoryList& list = lists_[static_cast<std::size_t>(ModeIndex(mode))];
    list.lines = std::move(lines);
    list.results.assign(list.lines.size(), LineResult{});
    list.counter = counter;
    list.selected = -1;
    view_.changed(kHistoryChanged);
}

}  // namespace tavrik
