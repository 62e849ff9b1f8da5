#include "ui/captionless_frame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tavrik::ui {

namespace {

// Pixels along each edge of the window that grab the edge for resizing.
constexpr int kEdgeGrip = 4;

Qt::Edges EdgesAt(const QPoint& point, const QSize& size) {
    Qt::Edges edges;
    if (point.x() < kEdgeGrip) edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - kEdgeGrip) edges |= Qt::RightEdge;
    if (point.y() < kEdgeGrip) edges |= Qt::TopEdge;
    if (point.y() >= size.height() - kEdgeGrip) edges |= Qt::BottomEdge;
    return edges;
}

// Watches the presses on the window and its children, since panels cover
// the window up to its edges.
class EdgeResizer final : public QObject {
  public:
    explicit EdgeResizer(QWidget& window) : QObject(&window), window_(window) {}

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) return false;
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || widget->window() != &window_) return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton) return false;
        const QPoint point = window_.mapFromGlobal(press->globalPosition().toPoint());
        const Qt::Edges edges = EdgesAt(point, window_.size());
        if (edges == Qt::Edges() || !window_.windowHandle()) return false;
        return window_.windowHandle()->startSystemResize(edges);
    }

  private:
    QWidget& window_;
};

}  // namespace

void UseCaptionlessFrame(QWidget& window) {
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    qApp->installEventFilter(new EdgeResizer(window));
}

}  // namespace tavrik::ui
