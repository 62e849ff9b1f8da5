// The window's background layers below the panels: the grid of thin lines and
// the two guide bars, which the mouse can drag to use the window as a ruler.
#pragma once

#include <QColor>
#include <QCursor>
#include <QPen>
#include <QWidget>
#include <functional>
#include <optional>

#include "settings/settings_model.h"
#include "ui/window/guide_geometry.h"

namespace tavrik::ui {

class GuideLayer final : public QWidget {
  public:
    // Covers `client` and follows its size; `top0` gives the bottom of the
    // status bar, `showPosition` takes the position text while a bar is dragged.
    GuideLayer(QWidget* client, std::function<int()> top0,
               std::function<void(const QString&)> showPosition);

    // Takes colours, pitches and bar positions from `set` for a client area of
    // `client`; returns the placement with the client size the bars need, up
    // to `largest`.
    GuidePlacement place(const SettingsSet& set, QSize client, QSize largest);
    // Moves the horizontal bar down to `top0` when it lies above it.
    void keepBelow(int top0);
    // Paints the window colour clear, so the desktop shows through it.
    void setSeeThrough(bool seeThrough);

    int barLeft() const { return barLeft_; }
    int barTop() const { return barTop_; }
    bool dragging() const { return dragX_ || dragY_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRect verticalBar() const;
    QRect horizontalBar() const;

    std::function<int()> top0_;
    std::function<void(const QString&)> showPosition_;
    QColor windowColor_;
    QColor xColor_, yColor_;
    QPen gridPen_;
    int xPitch_ = 0, yPitch_ = 0;
    int barLeft_ = 0, barTop_ = 0;
    int xWidth_ = 0, yWidth_ = 0;
    bool seeThrough_ = false;
    // Offsets between the pointer on the screen and the dragged bar's edge in
    // the client, negative when the window lies left of or above the bar's
    // position on the screen; none when the bar is not dragged.
    std::optional<int> dragX_, dragY_;
    QCursor savedCursor_;
};

}  // namespace tavrik::ui
