#include "ui/window/status_bar.h"

#include <QAccessible>
#include <QFontMetrics>

#include "settings/settings_model.h"
#include "ui/platform/panel_font.h"
#include "values/message_catalogue.h"

namespace tavrik::ui {

namespace {

// What a screen reader calls the parts; each part's name carries its text.
const std::array<QString, kStatusPartCount> kPartNames{
    QStringLiteral("前面"), QStringLiteral("モード"), QStringLiteral("メッセージ"),
    QStringLiteral("演算")};

// How long a brief message stays.
constexpr int kBriefMessageMs = 2000;

QString PartAccessibleName(StatusPart part, const QString& text) {
    const QString& name = kPartNames[static_cast<std::size_t>(part)];
    return text.isEmpty() ? name : name + QStringLiteral(": ") + text;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), strip_(new QLabel(this)) {
    setObjectName("stbMain");
    setAccessibleName(QStringLiteral("ステータスバー"));
    // The guide layers lie below the status bar, as below the panels.
    setAutoFillBackground(true);
    setFont(PanelFont(kDefaultFontName, 9, false));
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        QLabel*& part = parts_[i];
        part = new QLabel(this);
        part->setAccessibleName(kPartNames[i]);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setTextFormat(Qt::PlainText);
        part->setIndent(2);
    }

    strip_->setObjectName("stxMsg");
    strip_->setTextFormat(Qt::PlainText);
    strip_->setIndent(2);
    QFont stripFont = font();
    stripFont.setBold(true);
    strip_->setFont(stripFont);
    QPalette palette = strip_->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    strip_->setPalette(palette);
    // Above the parts, so that an error covers the message it replaces.
    strip_->setAutoFillBackground(true);
    strip_->raise();
    strip_->hide();
    resize(width(), preferredHeight());
    briefTimer_.setSingleShot(true);
    connect(&briefTimer_, &QTimer::timeout, this, [this] {
        if (partText(StatusPart::Message) == briefText_)
            setPart(StatusPart::Message, textBeforeBrief_);
    });
}

int StatusBar::preferredHeight() const {
    return fontMetrics().height() + 6;
}

void StatusBar::showLine(const StatusLine& line) {
    for (StatusPart shown : {StatusPart::Mode, StatusPart::Message, StatusPart::Operation})
        setPart(shown, QString::fromStdString(line.panel(shown)));
    setTopmostMark(topmostMark_);
    const QString error = QString::fromStdString(JapaneseMessage(line.strip()));
    if (error == strip_->text()) return;
    strip_->setText(error);
    strip_->setAccessibleName(error);
    strip_->setVisible(!error.isEmpty());
    if (!error.isEmpty()) {
        // An error is announced at once, as an alert.
        QAccessibleEvent alert(strip_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void StatusBar::setTopmostMark(bool shown) {
    topmostMark_ = shown;
    setPart(StatusPart::TopmostMark, shown ? QStringLiteral("★") : QString());
}

void StatusBar::showMessage(const QString& text) {
    setPart(StatusPart::Message, text);
    strip_->hide();
}

void StatusBar::showBriefly(const QString& text) {
    if (!briefTimer_.isActive()) textBeforeBrief_ = partText(StatusPart::Message);
    briefText_ = text;
    setPart(StatusPart::Message, text);
    briefTimer_.start(kBriefMessageMs);
}

void StatusBar::setPart(StatusPart part, const QString& text) {
    QString& shown = texts_[static_cast<std::size_t>(part)];
    if (text == shown) return;
    shown = text;
    QLabel* label = this->part(part);
    label->setAccessibleName(PartAccessibleName(part, text));
    fitPart(part);
}

// A text longer than its part ends in "…"; the tooltip shows all of it.
void StatusBar::fitPart(StatusPart part) {
    QLabel* label = this->part(part);
    const QString& text = texts_[static_cast<std::size_t>(part)];
    const int room = label->contentsRect().width() - 2 * label->indent();
    const QString fitted = label->fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, room));
    label->setText(fitted);
    label->setToolTip(fitted == text ? QString() : text);
}

QString StatusBar::partText(StatusPart part) const {
    return texts_[static_cast<std::size_t>(part)];
}

int StatusBar::partWidth(StatusPart part) const {
    return this->part(part)->width();
}

void StatusBar::resizeEvent(QResizeEvent*) {
    placeParts();
}

void StatusBar::placeParts() {
    const QFontMetrics metrics = fontMetrics();
    const int marker = metrics.horizontalAdvance(QStringLiteral("★")) + 10;
    const int mode = metrics.horizontalAdvance(QStringLiteral("10進")) + 10;
    const int operation = metrics.horizontalAdvance(QStringLiteral("#F99")) + 20;
    const int message = std::max(0, width() - marker - mode - operation);
    const std::array<int, kStatusPartCount> widths{marker, mode, message, operation};
    int left = 0;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        parts_[i]->setGeometry(left, 0, widths[i], height());
        fitPart(static_cast<StatusPart>(i));
        left += widths[i];
    }
    strip_->setGeometry(marker + mode + 3, 3, std::max(0, message - 4), std::max(0, height() - 4));
}

}  // namespace tavrik::ui
