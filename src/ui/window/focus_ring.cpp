#include "ui/window/focus_ring.h"

#include <QApplication>
#include <QPainter>

namespace tavrik::ui {

namespace {

constexpr int kWidth = 2;  // the frame's thickness, drawn just outside the control

}  // namespace

FocusRing::FocusRing(QWidget* area) : QWidget(area) {
    setObjectName("focusRing");
    setAccessibleName(QStringLiteral("フォーカス枠"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const QWidget* area = parentWidget();
        target_ = now && now != area && area->isAncestorOf(now) ? now : nullptr;
        follow();
    });
}

void FocusRing::follow() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QPoint topLeft = target_->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(topLeft, target_->size()).adjusted(-kWidth, -kWidth, kWidth, kWidth));
    show();
    raise();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace tavrik::ui
