#include "ui/status_bar.h"

#include <QFontMetrics>

#include "settings/settings_model.h"
#include "ui/panel_font.h"

namespace tavrik::ui {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), strip_(new QLabel(this)) {
    setObjectName("stbMain");
    // The guide layers lie below the status bar, as below the panels.
    setAutoFillBackground(true);
    setFont(PanelFont(kDefaultFontName, 9, false));
    for (QLabel*& part : parts_) {
        part = new QLabel(this);
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
    strip_->setAutoFillBackground(true);
    strip_->hide();
    resize(width(), preferredHeight());
}

int StatusBar::preferredHeight() const {
    return fontMetrics().height() + 6;
}

void StatusBar::showLine(const StatusLine& line) {
    for (int part = 0; part < 4; ++part)
        parts_[static_cast<std::size_t>(part)]->setText(QString::fromStdString(line.panel(part)));
    setTopmostMark(topmostMark_);
    strip_->setText(QString::fromStdString(line.strip()));
    strip_->setVisible(!line.strip().empty());
}

void StatusBar::setTopmostMark(bool shown) {
    topmostMark_ = shown;
    parts_[0]->setText(shown ? QStringLiteral("★") : QString());
}

void StatusBar::showMessage(const QString& text) {
    parts_[2]->setText(text);
    strip_->hide();
}

QString StatusBar::partText(int part) const {
    return parts_.at(static_cast<std::size_t>(part))->text();
}

int StatusBar::partWidth(int part) const {
    return parts_.at(static_cast<std::size_t>(part))->width();
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
    const int widths[4] = {marker, mode, message, operation};
    int left = 0;
    for (int part = 0; part < 4; ++part) {
        parts_[static_cast<std::size_t>(part)]->setGeometry(left, 0, widths[part], height());
        left += widths[part];
    }
    strip_->setGeometry(marker + mode + 3, 3, std::max(0, message - 4), std::max(0, height() - 4));
}

}  // namespace tavrik::ui
