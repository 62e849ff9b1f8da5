// The formula editor `memF`: a plain-text editor that keeps every key typed
// into it from the calculator's keypad, reports the double-click rule's mouse
// events and opens the formula panel's pop-up menu.
#pragma once

#include <QPlainTextEdit>
#include <functional>

class QMenu;

namespace tavrik::ui {

class FormulaEditor final : public QPlainTextEdit {
  public:
    struct Handlers {
        std::function<void()> doubleClicked;
        std::function<void()> mouseReleased;
    };

    FormulaEditor(QWidget* parent, Handlers handlers);

    void setPopupMenu(QMenu* menu) { popup_ = menu; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    Handlers handlers_;
    QMenu* popup_ = nullptr;
};

}  // namespace tavrik::ui
