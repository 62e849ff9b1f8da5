// The window's message channel: status-bar panel texts and the red error strip
// over panel 2. The core keeps the texts; the view shows them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "values/view.h"

namespace tavrik {

enum MessageKind : int { kMessageInfo = 0, kMessageClear = 1, kMessageError = 9 };

class StatusLine {
  public:
    explicit StatusLine(View& view) : view_(view) {}

    // Kind 9 shows the text in the error strip, kind 1 hides the strip, any
    // other kind puts the text in panel 2 and hides the strip.
    void DspMsg(std::string_view text, int kind);

    // Panels 0 (topmost mark), 1 (mode name), 2 (messages), 3 (last operation).
    void setPanel(int part, std::string_view text);
    const std::string& panel(int part) const { return panels_.at(static_cast<std::size_t>(part)); }

    // The strip's text; empty while it is hidden.
    const std::string& strip() const { return strip_; }

  private:
    View& view_;
    std::array<std::string, 4> panels_;
    std::string strip_;
};

// Where a line for the log goes (the log itself lives with the history).
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void WriteLog(std::string_view line) = 0;
};

}  // namespace tavrik
