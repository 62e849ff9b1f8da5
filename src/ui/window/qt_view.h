// The core's view, carried out with Qt: boxes, beep and clipboard here,
// window content through the main window.
#pragma once

#include <functional>

#include "values/view.h"

namespace tavrik::ui {

class MainWindow;

class QtView final : public View {
  public:
    // Until a window is attached, changes have nowhere to go and are dropped.
    void attach(MainWindow& window) { window_ = &window; }
    void detach() { window_ = nullptr; }
    // `watch` is called after every change that names one of `bits`.
    void watch(unsigned bits, std::function<void()> watch) {
        watchedBits_ = bits;
        watch_ = std::move(watch);
    }

    void changed(unsigned changes) override;
    void beep() override;
    bool messageBox(BoxKind kind, std::string_view text) override;
    void setClipboard(std::string_view text) override;
    std::string clipboardText() override;
    bool statusBarVisible() const override;
    void reapplyStatusBar() override;

  private:
    MainWindow* window_ = nullptr;
    unsigned watchedBits_ = 0;
    std::function<void()> watch_;
};

}  // namespace tavrik::ui
