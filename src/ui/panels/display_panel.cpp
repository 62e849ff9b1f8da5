#include "ui/panels/display_panel.h"

#include <QFontMetrics>
#include <cmath>

#include "ui/platform/panel_font.h"
#include "values/large_number_reading.h"

namespace tavrik::ui {

namespace {

// The reading line's font against the display font, and its smallest size.
constexpr double kReadingFontRatio = 0.5;
constexpr int kMinimumReadingPoints = 8;
const QString kReadingName = QStringLiteral("万・億表示");

}  // namespace

DisplayPanel::DisplayPanel(QWidget* parent)
    : PanelWidget(PanelKind::Display, parent), text_(new QLabel(this)), reading_(new QLabel(this)) {
    setObjectName("pnlC");
    text_->setObjectName("stxC");
    // A screen reader reads the display by its name, which is the display
    // text; every change of the name is announced to assistive technology.
    text_->setAccessibleDescription(QStringLiteral("表示窓"));
    // The first stop of Tab; the keys typed there go on to the calculator.
    text_->setFocusPolicy(Qt::TabFocus);
    text_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text_->setTextFormat(Qt::PlainText);
    text_->setAutoFillBackground(true);
    reading_->setObjectName("stxCReading");
    reading_->setAccessibleName(kReadingName);
    reading_->setAccessibleDescription(kReadingName);
    reading_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    reading_->setTextFormat(Qt::PlainText);
    reading_->setAutoFillBackground(true);
    reading_->hide();
}

void DisplayPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::Display);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    digitsD_ = style.digits;

    const QFont font = PanelFont(style);
    text_->setFont(scale_.font(font));
    const QFontMetrics metrics(font);
    const int digitWidth = std::max(1, metrics.horizontalAdvance(QStringLiteral("8")));
    digitWidth_ = std::max(1, scale_.length(digitWidth));

    const int width = DisplayTextWidth(digitsD_, digitWidth);
    const int height = metrics.height() + 2;
    text_->setGeometry(scale_.rect(pitch, pitch, width, height));
    int readingHeight = 0;
    if (set.ManOku) {
        const int points =
            std::max(kMinimumReadingPoints,
                     static_cast<int>(std::lround(style.fontSize * kReadingFontRatio)));
        const QFont small = PanelFont(style.fontName, points, false);
        readingHeight = QFontMetrics(small).height();
        reading_->setFont(scale_.font(small));
        reading_->setGeometry(scale_.rect(pitch, pitch + height, width, readingHeight));
        paintBackground(*reading_, style.backColor);
        setTextColor(*reading_, style.fontColor);
    }
    reading_->setVisible(set.ManOku);
    paintBackground(*text_, style.backColor);
    setTextColor(*text_, style.fontColor);
    applyStyle(style);
    const QRect outer = scale_.rect(0, 0, width + 2 * pitch, height + readingHeight + 2 * pitch);
    resize(outer.size());
}

DisplayGeometry DisplayPanel::geometry() const {
    return DisplayGeometryOf(digitsD_, text_->width(), digitWidth_);
}

void DisplayPanel::setText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (shown == text_->text()) return;
    text_->setText(shown);
    text_->setAccessibleName(shown);
}

void DisplayPanel::setReading(const std::string& reading) {
    const QString shown = QString::fromStdString(reading);
    if (shown == reading_->text()) return;
    reading_->setText(shown);
    reading_->setAccessibleName(shown.isEmpty() ? kReadingName : shown);
}

unsigned DisplayPanel::shownChanges() const {
    return kDisplayChanged | kModeChanged;
}

void DisplayPanel::show(const Calculator& calc, unsigned) {
    setText(calc.displayText());
    if (showsReading()) setReading(ReadingOf(calc.displayText(), calc.mode()));
}

void DisplayPanel::fitWidth(int width) {
    resize(width, height());
    text_->resize(std::max(0, width - 2 * pitch_), text_->height());
    reading_->resize(text_->width(), reading_->height());
}

}  // namespace tavrik::ui
