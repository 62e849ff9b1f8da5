#include "ui/platform/app_icon.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace tavrik::ui {

namespace {

constexpr int kIconSize = 64;
constexpr int kCorner = 10;
constexpr int kMargin = 4;
const QColor kBodyColor(0x30, 0x5c, 0x8c);
const QColor kScreenColor(0xe8, 0xf0, 0xd8);

}  // namespace

// The application's window icon when one is set; otherwise a calculator: a
// dark body with a light display strip and a "T" below it.
QIcon AppIcon() {
    if (const QIcon set = QApplication::windowIcon(); !set.isNull()) return set;
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBodyColor);
    painter.drawRoundedRect(
        QRect(kMargin, kMargin, kIconSize - 2 * kMargin, kIconSize - 2 * kMargin), kCorner,
        kCorner);
    const QRect screen(3 * kMargin, 3 * kMargin, kIconSize - 6 * kMargin, kIconSize / 4);
    painter.setBrush(kScreenColor);
    painter.drawRect(screen);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(kIconSize / 2);
    painter.setFont(font);
    painter.setPen(kScreenColor);
    painter.drawText(QRect(0, screen.bottom(), kIconSize, kIconSize - screen.bottom() - kMargin),
                     Qt::AlignCenter, QStringLiteral("T"));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tavrik::ui
