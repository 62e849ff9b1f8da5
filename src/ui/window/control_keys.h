// Keys typed on the controls of one window's panels. Enter presses a focused
// button; the history list keeps the keys that choose, replay and delete a
// line, search it (Ctrl+F) and copy its lines (Ctrl+C), and every other key goes on to the
// calculator, as it does from a focused key. A key typed in another window (a dialog, a box)
// belongs to that window and is left alone.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace tavrik::ui {

class ControlKeys final : public QObject {
  public:
    struct Commands {
        std::function<void()> replay;                   // Enter on the history list
        std::function<void()> deleteLine;               // Delete on the history list
        std::function<void(QKeyEvent*)> calculatorKey;  // any other key on the list
    };

    // Watches the keys of the whole application for those typed in `window`,
    // so that a list that joins the window later is covered too.
    ControlKeys(QWidget& window, Commands commands);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the key was handled here.
    bool controlKey(QObject* control, QKeyEvent* key);

    QWidget& window_;
    Commands commands_;
};

}  // namespace tavrik::ui
