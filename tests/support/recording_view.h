// A view for tests: records beeps, boxes and clipboard texts, and lets the
// test choose whether the status bar is visible.
#pragma once

#include <string>
#include <vector>

#include "values/view.h"

namespace tavrik::testing {

class RecordingView : public View {
  public:
    void changed(unsigned) override {}
    void beep() override { ++beeps; }
    bool messageBox(BoxKind kind, std::string_view text) override {
        boxes.emplace_back(text);
        boxKinds.push_back(kind);
        return true;
    }
    void setClipboard(std::string_view text) override { clipboard = std::string(text); }
    std::string clipboardText() override { return clipboard; }
    bool statusBarVisible() const override { return statusBarShown; }
    void reapplyStatusBar() override { ++statusBarReapplied; }

    int beeps = 0;
    std::vector<std::string> boxes;
    std::vector<BoxKind> boxKinds;
    std::string clipboard;
    bool statusBarShown = true;
    int statusBarReapplied = 0;
};

}  // namespace tavrik::testing
