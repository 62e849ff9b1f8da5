#include "ui/settings_dialog/dialog_prompt.h"

#include "ui/platform/message_box.h"

namespace tavrik::ui {

DialogPrompt MessageBoxPrompt(QWidget* parent) {
    return [parent](BoxKind kind, const QString& text, bool withCancel) {
        return ShowMessageBox(parent, kind, text, withCancel);
    };
}

}  // namespace tavrik::ui
