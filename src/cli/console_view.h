// The console's view: events (boxes, clipboard texts, beeps) are printed the
// moment they happen.
#pragma once

#include <ostream>
#include <string>

#include "values/view.h"

namespace tavrik::cli {

class ConsoleView final : public View {
  public:
    explicit ConsoleView(std::ostream& out) : out_(out) {}

    void changed(unsigned) override {}
    void beep() override;
    bool messageBox(BoxKind kind, std::string_view text) override;
    void setClipboard(std::string_view text) override;
    // The console's clipboard holds the last text put on it.
    std::string clipboardText() override { return clipboard_; }
    bool statusBarVisible() const override { return true; }
    void reapplyStatusBar() override {}

  private:
    std::ostream& out_;
    std::string clipboard_;
};

// A CR is written as the two characters \r and an LF as \n.
std::string EscapeLineBreaks(std::string_view text);

}  // namespace tavrik::cli
