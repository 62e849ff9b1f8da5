// The window's message channel: status-bar part texts and the red error strip
// over the message part. The core keeps the texts; the view shows them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "values/view.h"

namespace tavrik {

// kMessageHint is a message part text that the next key action or formula run
// clears, as it clears the error strip.
enum MessageKind : int { kMessageInfo = 0, kMessageClear = 1, kMessageHint = 2, kMessageError = 9 };

// The parts of the status bar, left to right.
enum class StatusPart : int {
    TopmostMark = 0,  // "★" while the window stays in front
    Mode = 1,         // the mode name
    Message = 2,      // messages; the error strip lies over it
    Operation = 3,    // the last operation
};
inline constexpr int kStatusPartCount = 4;

class StatusLine {
  public:
    explicit StatusLine(View& view) : view_(view) {}

    // Kind 9 shows the text in the error strip, kind 1 hides the strip (and
    // clears a hint), any other kind puts the text in the message part and
    // hides the strip.
    void DspMsg(std::string_view text, int kind);
    // Clears the message part when it shows a hint.
    void clearHint();

    void setPanel(StatusPart part, std::string_view text);
    const std::string& panel(StatusPart part) const {
        return panels_.at(static_cast<std::size_t>(part));
    }

    // The strip's text; empty while it is hidden.
    const std::string& strip() const { return strip_; }

  private:
    View& view_;
    std::array<std::string, kStatusPartCount> panels_;
    std::string strip_;
    bool hintShown_ = false;
};

// Where a line for the log goes (the log itself lives with the history).
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void WriteLog(std::string_view line) = 0;
};

// A log that keeps nothing: for evaluations whose lines are not logged, and tests.
class NullLog final : public LogSink {
  public:
    void WriteLog(std::string_view) override {}
};

}  // namespace tavrik
