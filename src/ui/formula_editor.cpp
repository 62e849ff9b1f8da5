#include "ui/formula_editor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace tavrik::ui {

FormulaEditor::FormulaEditor(QWidget* parent, Handlers handlers)
    : QPlainTextEdit(parent), handlers_(std::move(handlers)) {
    setObjectName("memF");
    // Tab is a character here; Ctrl+Tab leaves the editor.
    setTabChangesFocus(false);
}

bool FormulaEditor::shortcut(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event.key();
    // Shift+Tab types nothing, so it leaves backwards as everywhere else.
    const bool backwards =
        key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier));
    if (backwards || (key == Qt::Key_Tab && (modifiers & Qt::ControlModifier))) {
        // Past the editor's own focusNextPrevChild, which keeps the focus.
        QWidget::focusNextPrevChild(!backwards);
        return true;
    }
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        handlers_.run();
        return true;
    }
    const bool menuKey = key == Qt::Key_Menu && modifiers == Qt::NoModifier;
    const bool shiftF10 = key == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
    if ((menuKey || shiftF10) && popup_) {
        popup_->popup(viewport()->mapToGlobal(cursorRect().bottomLeft()));
        return true;
    }
    return false;
}

// The window turns a key released after its press into a keypad key. Keys
// typed here are text, so neither half may travel on to the window, not even
// a key the editor has no use for.
void FormulaEditor::keyPressEvent(QKeyEvent* event) {
    if (!shortcut(*event)) QPlainTextEdit::keyPressEvent(event);
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
