#include "ui/formula_editor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "ui/formula_editor_accessible.h"

namespace tavrik::ui {

FormulaEditor::FormulaEditor(QWidget* parent, Handlers handlers)
    : QPlainTextEdit(parent), handlers_(std::move(handlers)) {
    setObjectName("memF");
    // Tab moves on to the next control, so the keyboard can always leave the editor.
    setTabChangesFocus(true);
    FormulaEditorAccessible::Install();
}

// The window turns a key released after its press into a keypad key. Keys
// typed here are text, so neither half may travel on to the window, not even
// a key the editor has no use for.
void FormulaEditor::keyPressEvent(QKeyEvent* event) {
    QPlainTextEdit::keyPressEvent(event);
    event->accept();
}

void FormulaEditor::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void FormulaEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    handlers_.doubleClicked();
}

void FormulaEditor::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    handlers_.mouseReleased();
}

void FormulaEditor::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) popup_->exec(event->globalPos());
}

}  // namespace tavrik::ui
