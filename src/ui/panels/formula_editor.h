// The formula editor `memF`: a plain-text editor that keeps every key typed
// into it from the calculator's keypad, reports the double-click rule's mouse
// events and opens the formula panel's pop-up menu. Tab types a tab, as in
// any text editor; Ctrl+Tab leaves the editor, Ctrl+Enter
// runs the panel, and Shift+F10 or the Menu key open the pop-up menu.
// Shift+Tab, which types nothing, leaves backwards.
#pragma once

#include <QPlainTextEdit>
#include <QTextCursor>
#include <functional>

class QMenu;

namespace tavrik::ui {

class FormulaEditor final : public QPlainTextEdit {
  public:
    struct Handlers {
        std::function<void()> doubleClicked;
        std::function<void()> mouseReleased;
        std::function<void()> run;  // Ctrl+Enter
    };

    FormulaEditor(QWidget* parent, Handlers handlers);

    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    // The answer shown at the right of a block (paragraph), by block number;
    // none while unset. The text itself is never changed for it.
    using AnswerOf = std::function<QString(int block)>;
    void setAnswers(AnswerOf answerOf);

    // Where the view stands in the text: the paragraph at its top, followed
    // through later edits of the document, the lines of it scrolled past, and
    // the horizontal scroll.
    struct ViewPlace {
        QTextCursor top;
        int linesPast = 0;
        int horizontal = 0;
    };
    ViewPlace viewPlace() const;
    void showPlace(const ViewPlace& place);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The shortcuts above; false for any other key.
    bool shortcut(const QKeyEvent& event);

    Handlers handlers_;
    QMenu* popup_ = nullptr;
    AnswerOf answerOf_;
};

}  // namespace tavrik::ui
