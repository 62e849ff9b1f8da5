#include "history/history_list.h"

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
            line = std::to_string(++list.counter) + ": " + std::string(text);
            break;
        case kOperationLine:
            if (numbering_ % 10 == 1)
                line = std::to_string(++list.counter) + ": " + std::string(text);
            else
                line = text;
            break;
        default: line = text; break;
    }
    list.lines.push_back(std::move(line));
    view_.changed(kHistoryChanged);
    return true;
}

}  // namespace tavrik
