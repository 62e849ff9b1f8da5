// A frame in the highlight colour around the control that has the keyboard
// focus, whatever the style draws for it: a keyboard user always sees where
// Tab has arrived. It lies over the window's client area, lets the mouse
// through and follows the focus and the layout.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tavrik::ui {

class FocusRing final : public QWidget {
  public:
    // Rings the focused controls inside `area`, of which it is a child.
    explicit FocusRing(QWidget* area);

    // Places the ring again, after the controls moved.
    void follow();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointer<QWidget> target_;
};

}  // namespace tavrik::ui
