// Page "K": the keyboard keys assigned to one calculator key, one column per
// mode; a key pressed in the grid is captured into the current cell.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <functional>

#include "settings/key_assignment.h"
#include "ui/platform/key_router.h"
#include "ui/settings_dialog/dialog_prompt.h"

namespace tavrik::ui {

// The grid `sgdKey`: reports the release of the last key pressed, paired by
// the key router, when the modifiers held are still those of its press.
// Arrow keys move within the grid; Tab and Escape keep their dialog meaning.
class KeyCaptureGrid final : public QTableWidget {
  public:
    using Capture = std::function<void(int virtualKey, bool ctrl, bool shift)>;
    KeyCaptureGrid(Capture capture, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    Capture capture_;
    KeyRouter keys_;
    int lastKey_ = -1;  // the code of the last key pressed; 0 after an arrow key
};

class KeyPage final : public QWidget {
  public:
    // `jumpTo` selects the tree leaf of a calculator key.
    KeyPage(DialogPrompt prompt, std::function<void(int code)> jumpTo, QWidget* parent = nullptr);

    // The key table to edit; no calculator key is being edited.
    void load(const GlobalSettings& settings);
    // The table as edited, with the grid's assignments of the key shown.
    void store(GlobalSettings& settings) const;
    // Keeps the key shown so far, then shows the assignments of `code`.
    void showKey(int code, std::string_view caption);

    void captureKey(int virtualKey, bool ctrl, bool shift);
    void addRow();
    void deleteAssignment();

    KeyCaptureGrid* grid() const { return grid_; }

  private:
    void moveToNextColumn();
    std::vector<KeyRow> gridRows() const;

    DialogPrompt prompt_;
    std::function<void(int)> jumpTo_;
    KeyTable keys_{};
    int code_ = -1;
    QCheckBox* suppress_;
    KeyCaptureGrid* grid_;
    QPushButton* addRow_;
    QLabel* name_;
    QRadioButton* overwrite_;
    QRadioButton* jump_;
    QRadioButton* message_;
    QPushButton* delete_;
};

}  // namespace tavrik::ui
