#include "ui/display_panel.h"

#include <QFontMetrics>

#include "ui/layout_limits.h"
#include "ui/panel_font.h"

namespace tavrik::ui {

DisplayPanel::DisplayPanel(QWidget* parent) : PanelWidget(parent), text_(new QLabel(this)) {
    setObjectName("pnlC");
    setAccessibleName(QStringLiteral("表示窓"));
    text_->setObjectName("stxC");
    // A screen reader reads the display by its name, which is the display
    // text; every change of the name is announced to assistive technology.
    text_->setAccessibleDescription(QStringLiteral("表示窓"));
    // The first stop of Tab; the keys typed there go on to the calculator.
    text_->setFocusPolicy(Qt::TabFocus);
    text_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text_->setTextFormat(Qt::PlainText);
    text_->setAutoFillBackground(true);
}

void DisplayPanel::build(const SettingsSet& set) {
    pitch_ = LayoutPitch(set.Pitch);
    const int digits = LayoutDigits(set.DigitsD);
    digits_ = digits >= 1 && digits <= 9 ? 10 : digits;

    const QFont font = PanelFont(set.FontNameD, set.FontSizeD, set.FontBoldD);
    text_->setFont(font);
    const QFontMetrics metrics(font);
    digitWidth_ = std::max(1, metrics.horizontalAdvance(QStringLiteral("8")));

    const int width = digits_ == 0 ? 0 : (digits_ + 2) * digitWidth_;
    const int height = metrics.height() + 2;
    text_->setGeometry(pitch_, pitch_, width, height);
    paintBackground(*text_, set.BackColorD);
    setTextColor(*text_, set.FontColorD);
    paintBackground(*this, set.ColorD);
    resize(text_->geometry().right() + 1 + pitch_, height + 2 * pitch_);
}

DisplayGeometry DisplayPanel::geometry() const {
    DisplayGeometry geometry;
    geometry.displayWidth = text_->width();
    geometry.digitWidth = digitWidth_;
    const bool wide = digits_ > 18 || (digits_ == 0 && text_->width() / digitWidth_ > 18);
    geometry.hexWidth = wide ? 16 : 8;
    return geometry;
}

void DisplayPanel::setText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (shown == text_->text()) return;
    text_->setText(shown);
    text_->setAccessibleName(shown);
}

void DisplayPanel::fitWidth(int width) {
    resize(width, height());
    text_->resize(std::max(0, width - 2 * pitch_), text_->height());
}

}  // namespace tavrik::ui
