// The settings dialog `TavrikD` ("設定変更"): a tree of pages on the left
// edits a copy of the settings; "OK" applies and saves it, "一時設定" applies
// it only, "キャンセル" (or Escape) discards it at the next opening.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_model.h"
#include "ui/settings_dialog/dialog_prompt.h"

namespace tavrik::ui {

class BasicPage;
class FunctionGroupPage;
class KeyPage;
class SetPages;
class UserFunctionPage;

// The characters that saving these settings would lose; none when empty.
using SettingsLossCheck = std::function<std::vector<std::string>(const GlobalSettings&)>;

// What the dialog needs from the window it edits.
struct SettingsDialogHost {
    std::function<const GlobalSettings&()> settings;  // the settings in force
    std::function<int()> currentSetIndex;
    // Takes the settings over, with the set of `setIndex` (-1: the default set) in force.
    std::function<void(GlobalSettings settings, int setIndex)> apply;
    // Writes the settings in force; false when the file could not be written.
    std::function<bool()> save;
    // Asked before "OK" applies and saves; may be empty.
    SettingsLossCheck lostCharacters;
};

class SettingsDialog final : public QDialog {
  public:
    explicit SettingsDialog(SettingsDialogHost host, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Shows the dialog modally, after the opening steps.
    void open() override;
    // The opening steps: refill the copy after a cancel, set the marks.
    void activate();

    void setPrompt(DialogPrompt prompt);

    // The buttons' actions.
    void confirm();              // "OK"
    void applyForNow();          // "一時設定"
    void reject() override;      // "キャンセル", Escape
    void addSet();               // "追加"
    void deleteSet();            // "削除"
    void turnSetPage(int step);  // "前頁" (-1) and "次頁" (+1)

    const GlobalSettings& copy() const { return copy_; }
    QTreeWidget* tree() const { return tree_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Node { Basic, Sets, Set, Keys, KeyGroup, KeyLeaf, FunctionGroups, UserFunctions };

    void buildTree();
    void reload();
    void rebuildSetNodes();
    void nodeChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void showNode(QTreeWidgetItem* item);
    void showSet(int slot);
    void showKeyLeaf(const QTreeWidgetItem* leaf);
    void selectKeyLeaf(int code);
    bool validateName();
    enum class Applied { Yes, InvalidName, Kept };
    // Collects the pages into the copy and applies it, unless the name is
    // invalid or, with `askBeforeLoss`, the user keeps editing rather than
    // lose characters the file cannot hold.
    Applied applyCopy(bool askBeforeLoss = false);
    // Asks before saving `settings` loses characters; true to go on.
    bool acceptLoss(const GlobalSettings& settings);
    void updateButtons();

    int setCount() const;
    std::vector<std::string> setNames() const;
    bool setPageShown() const;

    SettingsDialogHost host_;
    DialogPrompt prompt_;
    GlobalSettings copy_;
    // Beside each set of the copy: whether it is the set in force when the
    // dialog opened. The mark moves with its set when sets are deleted, and
    // the first marked set is the one applied.
    std::array<bool, kSetSlots> inForce_{};
    bool reloadOnOpen_ = true;
    int editedSet_ = -1;

    QTreeWidget* tree_;
    QTreeWidgetItem* setsNode_ = nullptr;
    QTreeWidgetItem* keysNode_ = nullptr;
    QStackedWidget* pages_;
    QWidget* emptyPage_;
    BasicPage* basicPage_;
    SetPages* setPages_;
    KeyPage* keyPage_;
    FunctionGroupPage* functionGroupPage_;
    UserFunctionPage* userFunctionPage_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* ok_;
    QPushButton* forNow_;
    QPushButton* cancel_;
};

}  // namespace tavrik::ui
