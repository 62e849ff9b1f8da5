// A view that ignores everything, for fuzz targets that need a status line.
#pragma once

#include "values/view.h"

namespace tavrik::fuzz {

class NullView final : public View {
  public:
    void changed(unsigned) override {}
    void beep() override {}
    bool messageBox(BoxKind, std::string_view) override { return true; }
    void setClipboard(std::string_view) override {}
    bool statusBarVisible() const override { return true; }
    void reapplyStatusBar() override {}
    std::optional<std::string> askPath(FileDialogKind, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace tavrik::fuzz
