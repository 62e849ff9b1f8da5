// The button panel `pnlB`: the inner key panel `pnlBB` with the 35 keys,
// placed by the set's `BoundsB` entries or else in the default grid, sized
// from the width and height of "税" in the key font.
#pragma once

#include <array>
#include <functional>

#include "engine/keypad_face.h"
#include "settings/settings_model.h"
#include "ui/panels/key_button.h"
#include "ui/panels/panel_widget.h"

class QMenu;

namespace tavrik::ui {

class ButtonPanel final : public PanelWidget {
  public:
    // Receives the tag (1..35) of a clicked key.
    using ClickHandler = std::function<void(int tag)>;
    // Receives the key code of an item of a key's menu.
    using MenuHandler = std::function<void(int code)>;

    ButtonPanel(QWidget* parent, ClickHandler onClick, MenuHandler onMenuItem);

    void place(const SettingsSet& set) override;
    // Captions, enabled state and underline of every key.
    void showFace(const KeypadFace& face);
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;

    // The component name of the key with a tag 1..35 ("btnN0", "btnCA", …).
    static const char* KeyName(int tag);
    // The key with a tag 1..35.
    const KeyButton& key(int tag) const { return *buttons_[static_cast<std::size_t>(tag)]; }

  private:
    QWidget* keys_;  // pnlBB
    std::array<KeyButton*, kKeySlots> buttons_{};
    std::array<bool, kKeySlots> placed_{};  // false: hidden by a custom placement
    QMenu* timeSheetMenu_;                  // 変換's menu in time mode
    int pitch_ = 0;
};

}  // namespace tavrik::ui
