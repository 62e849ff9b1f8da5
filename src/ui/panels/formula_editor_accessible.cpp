#include "ui/panels/formula_editor_accessible.h"

#include <QTextDocument>
#include <algorithm>

#include "ui/panels/formula_editor.h"

namespace tavrik::ui {

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* editor = dynamic_cast<FormulaEditor*>(object))
        return new FormulaEditorAccessible(editor);
    return nullptr;
}

}  // namespace

FormulaEditorAccessible::FormulaEditorAccessible(QPlainTextEdit* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText) {}

void FormulaEditorAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QPlainTextEdit* FormulaEditorAccessible::editor() const {
    return static_cast<QPlainTextEdit*>(widget());
}

void* FormulaEditorAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State FormulaEditorAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !editor()->isReadOnly();
    state.readOnly = editor()->isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString FormulaEditorAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return plainText();
    return QAccessibleWidget::text(kind);
}

QString FormulaEditorAccessible::plainText() const {
    QString text = editor()->toPlainText();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

int FormulaEditorAccessible::bounded(int offset) const {
    return std::clamp(offset, 0, characterCount());
}

void FormulaEditorAccessible::selection(int selectionIndex, int* startOffset,
                                        int* endOffset) const {
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = editor()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection()) return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int FormulaEditorAccessible::selectionCount() const {
    return editor()->textCursor().hasSelection() ? 1 : 0;
}

void FormulaEditorAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void FormulaEditorAccessible::removeSelection(int) {
    QTextCursor cursor = editor()->textCursor();
    cursor.clearSelection();
    editor()->setTextCursor(cursor);
}

void FormulaEditorAccessible::setSelection(int, int startOffset, int endOffset) {
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(bounded(startOffset));
    cursor.setPosition(bounded(endOffset), QTextCursor::KeepAnchor);
    editor()->setTextCursor(cursor);
}

int FormulaEditorAccessible::cursorPosition() const {
    return editor()->textCursor().position();
}

void FormulaEditorAccessible::setCursorPosition(int position) {
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(bounded(position));
    editor()->setTextCursor(cursor);
}

QString FormulaEditorAccessible::text(int startOffset, int endOffset) const {
    const int start = bounded(startOffset);
    return plainText().mid(start, bounded(endOffset) - start);
}

int FormulaEditorAccessible::characterCount() const {
    return editor()->document()->characterCount() - 1;
}

QRect FormulaEditorAccessible::characterRect(int offset) const {
    QTextCursor cursor(editor()->document());
    cursor.setPosition(bounded(offset));
    QRect rect = editor()->cursorRect(cursor);
    const QChar character = editor()->document()->characterAt(cursor.position());
    rect.setWidth(editor()->fontMetrics().horizontalAdvance(character));
    return {editor()->viewport()->mapToGlobal(rect.topLeft()), rect.size()};
}

int FormulaEditorAccessible::offsetAtPoint(const QPoint& point) const {
    return editor()->cursorForPosition(editor()->viewport()->mapFromGlobal(point)).position();
}

void FormulaEditorAccessible::scrollToSubstring(int startIndex, int) {
    setCursorPosition(startIndex);
    editor()->ensureCursorVisible();
}

QString FormulaEditorAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace tavrik::ui
