// How a screen reader reads the formula editor. The editor joins an answer to
// its formula with a soft line break (U+2028); a screen reader reads it as an
// ordinary line break, as the clipboard and the saved files have it.
#pragma once

#include <QAccessibleWidget>
#include <QPlainTextEdit>

namespace tavrik::ui {

class FormulaEditorAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit FormulaEditorAccessible(QPlainTextEdit* editor);

    // Makes Qt's accessibility layer present `editor`s of this kind with this
    // interface; the first call installs the factory.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QPlainTextEdit* editor() const;
    // The text with every line break as "\n", one character for one.
    QString plainText() const;
    int bounded(int offset) const;
};

}  // namespace tavrik::ui
