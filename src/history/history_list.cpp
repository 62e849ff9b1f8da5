#include "history/history_list.h"

#include <algorithm>

namespace tavrik {

void History::setCurrentMode(CalcMode mode) {
    mode_ = mode;
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
    list.selected = -1;
    while (!lines.empty()) {
        const int at = std::min(i, static_cast<int>(lines.size()) - 1);
        list.selected = at;
        if (!isAc(at)) break;
        if (at > 0 && !isAc(at - 1)) break;
        lines.erase(lines.begin() + at);
        list.selected = -1;
    }
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
            line = std::to_string(NextNumber(list.counter)) + ": " + std::string(text);
            break;
        case kOperationLine:
            if (numbering_ % 10 == 1)
                line = std::to_string(NextNumber(list.counter)) + ": " + std::string(text);
            else
                line = text;
            break;
        default:
            line = text;
            break;
    }
    list.lines.push_back(std::move(line));
    view_.changed(kHistoryChanged);
    return true;
}

void History::restore(CalcMode mode, HistoryLines lines, int counter) {
    HistoryList& list = lists_[static_cast<std::size_t>(ModeIndex(mode))];
    list.lines = std::move(lines);
    list.counter = counter;
    list.selected = -1;
    view_.changed(kHistoryChanged);
}

}  // namespace tavrik
