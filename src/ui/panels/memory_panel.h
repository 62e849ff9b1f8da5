// The memory panel `pnlM`: four rows of store key, value text and recall key,
// sized from the width and height of "8" in the panel font. A click on a
// value text selects that register, and so do the arrow keys on the current
// register's value.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>

#include "engine/memory_registers.h"
#include "settings/settings_model.h"
#include "ui/panels/panel_widget.h"

namespace tavrik::ui {

class MemoryPanel final : public PanelWidget {
  public:
    static constexpr int kSlots = 4;

    struct Commands {
        std::function<void(int slot)> select;
        std::function<void(int slot)> store;
        std::function<void(int slot)> recall;
    };

    MemoryPanel(QWidget* parent, Commands commands);

    void place(const SettingsSet& set) override;
    // Register texts and the store captions of the current register.
    void showRegisters(const MemoryRegisters& registers);
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;
    // The current register's value, where the arrow keys choose another.
    QWidget* mainControl() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseNext(int step);

    struct Row {
        QPushButton* store = nullptr;   // btnM0I …
        QLabel* value = nullptr;        // stxM0 …
        QPushButton* recall = nullptr;  // btnM0O …
    };

    Commands commands_;
    std::array<Row, kSlots> rows_{};
    int pitch_ = 0;
    int current_ = 0;
};

}  // namespace tavrik::ui
