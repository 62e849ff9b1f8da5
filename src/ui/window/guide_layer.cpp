#include "ui/window/guide_layer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "settings/setting_ranges.h"
#include "ui/platform/system_colors.h"

namespace tavrik::ui {

namespace {

Qt::PenStyle ToQtPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return Qt::DashLine;
        case PenStyle::Dot:
            return Qt::DotLine;
        case PenStyle::DashDot:
            return Qt::DashDotLine;
        case PenStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case PenStyle::Clear:
            return Qt::NoPen;
        case PenStyle::Solid:
        case PenStyle::InsideFrame:
            break;
    }
    return Qt::SolidLine;
}

QColor OrDefault(Color color, QColor fallback) {
    const QColor qt = ToQColor(color);
    return qt.isValid() ? qt : fallback;
}

}  // namespace

GuideLayer::GuideLayer(QWidget* client, std::function<int()> top0,
                       std::function<void(const QString&)> showPosition)
    : QWidget(client), top0_(std::move(top0)), showPosition_(std::move(showPosition)) {
    setObjectName("imgGuide");
    setAccessibleName(QStringLiteral("ガイド線"));
    setGeometry(client->rect());
    lower();
    client->installEventFilter(this);
}

GuidePlacement GuideLayer::place(const SettingsSet& set, QSize client, QSize largest) {
    windowColor_ = OrDefault(set.Color_, palette().color(QPalette::Window));
    xColor_ = OrDefault(set.GXColor, Qt::red);
    yColor_ = OrDefault(set.GYColor, Qt::blue);
    gridPen_ = QPen(OrDefault(set.GLColor, palette().color(QPalette::WindowText)));
    gridPen_.setStyle(ToQtPenStyle(set.GLStyle));
    xPitch_ = set.GLXPitch;
    yPitch_ = set.GLYPitch;
    xWidth_ = kGuideBarWidthRange.clamp(set.GXWidth);
    yWidth_ = kGuideBarWidthRange.clamp(set.GYWidth);
    const GuidePlacement placed =
        PlaceGuideBars(kGuideBarPositionRange.clamp(set.GXPos), xWidth_,
                       kGuideBarPositionRange.clamp(set.GYPos), yWidth_, client, top0_(), largest);
    barLeft_ = placed.barLeft;
    barTop_ = placed.barTop;
    update();
    return placed;
}

void GuideLayer::keepBelow(int top0) {
    if (barTop_ >= top0) return;
    barTop_ = top0;
    update();
}

void GuideLayer::setSeeThrough(bool seeThrough) {
    seeThrough_ = seeThrough;
    update();
}

QRect GuideLayer::verticalBar() const {
    return QRect(barLeft_, 0, xWidth_, height());
}

QRect GuideLayer::horizontalBar() const {
    return QRect(0, barTop_, width(), yWidth_);
}

// The layer covers the client area at every resize; painting draws the grid
// for the size it has now.
bool GuideLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void GuideLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), seeThrough_ ? QColor(Qt::transparent) : windowColor_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(gridPen_);
    if (xPitch_ > 0)
        for (int x = 0; x < width(); x += xPitch_) painter.drawLine(x, 0, x, height() - 1);
    if (yPitch_ > 0)
        for (int y = 0; y < height(); y += yPitch_) painter.drawLine(0, y, width() - 1, y);
    painter.fillRect(verticalBar(), xColor_);
    painter.fillRect(horizontalBar(), yColor_);
}

// A press grabs each bar it lies on or near, whether it lies on the grid or
// on the other bar: near their crossing both move together. Other presses go
// on to the window, which may move itself by its background.
void GuideLayer::mousePressEvent(QMouseEvent* event) {
    if (dragging()) return;
    const QPoint pos = event->position().toPoint();
    const QPoint screen = event->globalPosition().toPoint();
    if (GrabsGuideBar(pos.x(), barLeft_, xWidth_)) dragX_ = screen.x() - barLeft_;
    if (GrabsGuideBar(pos.y(), barTop_, yWidth_)) dragY_ = screen.y() - barTop_;
    if (!dragging()) {
        event->ignore();
        return;
    }
    savedCursor_ = cursor();
    setCursor(Qt::SizeAllCursor);
}

void GuideLayer::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging()) {
        event->ignore();
        return;
    }
    const QPoint screen = event->globalPosition().toPoint();
    const int top0 = top0_();
    if (dragX_) barLeft_ = DraggedBarLeft(screen.x() - *dragX_, xWidth_, width());
    if (dragY_) barTop_ = DraggedBarTop(screen.y() - *dragY_, yWidth_, height(), top0);
    update();
    showPosition_(QStringLiteral("(%1,%2)").arg(barLeft_).arg(barTop_ - top0));
}

void GuideLayer::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging()) {
        event->ignore();
        return;
    }
    dragX_.reset();
    dragY_.reset();
    setCursor(savedCursor_);
}

}  // namespace tavrik::ui
