#include "values/message_line.h"

namespace tavrik {

void StatusLine::DspMsg(std::string_view text, int kind) {
    if (kind == kMessageClear) {
        strip_.clear();
        if (hintShown_) panels_[static_cast<std::size_t>(StatusPart::Message)].clear();
        hintShown_ = false;
    } else if (kind == kMessageError) {
        if (!view_.statusBarVisible()) view_.reapplyStatusBar();
        // The strip lies over the status bar: while that is hidden, so is the strip.
        strip_ = view_.statusBarVisible() ? std::string(text) : std::string();
    } else {
        panels_[static_cast<std::size_t>(StatusPart::Message)] = text;
        hintShown_ = kind == kMessageHint;
        strip_.clear();
    }
    view_.changed(kStatusChanged);
}

void StatusLine::clearHint() {
    if (!hintShown_) return;
    hintShown_ = false;
    panels_[static_cast<std::size_t>(StatusPart::Message)].clear();
    view_.changed(kStatusChanged);
}

void StatusLine::setPanel(StatusPart part, std::string_view text) {
    auto& panel = panels_.at(static_cast<std::size_t>(part));
    if (part == StatusPart::Message) {
        strip_.clear();
        hintShown_ = false;
    }
    if (panel == text && part != StatusPart::Message) return;
    panel = text;
    view_.changed(kStatusChanged);
}

}  // namespace tavrik
