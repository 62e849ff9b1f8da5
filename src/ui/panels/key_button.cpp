#include "ui/panels/key_button.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>

namespace tavrik::ui {

namespace {

// Each step of shrinking takes this much off the point size.
constexpr double kShrinkStep = 0.5;
// Kept free on both sides of the caption, so that it does not touch the frame.
constexpr int kCaptionMargin = 1;

}  // namespace

void KeyButton::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    fitCaption();
}

void KeyButton::setKeyFont(const QFont& font) {
    const bool underline = keyFont_.underline();
    keyFont_ = font;
    keyFont_.setUnderline(underline);
    fitCaption();
}

void KeyButton::setUnderlined(bool on) {
    if (keyFont_.underline() == on) return;
    keyFont_.setUnderline(on);
    fitCaption();
}

int KeyButton::captionRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    return std::max(0, contents.width() - 2 * kCaptionMargin);
}

void KeyButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    fitCaption();
}

void KeyButton::fitCaption() {
    const int room = captionRoom();
    QFont font = keyFont_;
    const double floor = std::min(font.pointSizeF(), kMinimumCaptionPoints);
    while (font.pointSizeF() - kShrinkStep >= floor &&
           QFontMetricsF(font).horizontalAdvance(caption_) > room) {
        font.setPointSizeF(font.pointSizeF() - kShrinkStep);
    }
    if (font != this->font()) setFont(font);
    // "&" marks no shortcut on a key.
    const QString fitted = QFontMetrics(font).elidedText(caption_, Qt::ElideRight, room);
    setText(QString(fitted).replace('&', QStringLiteral("&&")));
}

}  // namespace tavrik::ui
