#include "ui/history_operation_panel.h"

#include <QFontMetrics>
#include <cmath>

#include "ui/layout_limits.h"
#include "ui/panel_font.h"

namespace tavrik::ui {

namespace {

constexpr int kButtonDigits = 6;  // each push button is six "8" wide
constexpr int kCheckDigits = 5;
constexpr int kGap = 4;  // between the buttons, the check box and the toggle
constexpr double kUnitScale = 1.3;

const QString kRecordingOn = QStringLiteral("○");
const QString kRecordingOff = QStringLiteral("×");

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const std::function<void()>& onClick) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    // Reached with Tab; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, button, [onClick] { onClick(); });
    return button;
}

}  // namespace

HistoryOperationPanel::HistoryOperationPanel(QWidget* parent, Commands commands)
    : PanelWidget(parent),
      commands_(std::move(commands)),
      clear_(MakeButton(this, "btnHC", QStringLiteral("クリア"), commands_.clear)),
      delete_(MakeButton(this, "btnHD", QStringLiteral("削除"), commands_.deleteLine)),
      replay_(MakeButton(this, "btnHR", QStringLiteral("実行"), commands_.replay)),
      moveDown_(new QCheckBox(QStringLiteral("↓"), this)),
      recording_(MakeButton(this, "sbtHE", kRecordingOn, commands_.toggleRecording)) {
    setObjectName("pnlS");
    setAccessibleName(QStringLiteral("履歴操作パネル"));
    moveDown_->setObjectName("cbxHC");
    moveDown_->setAccessibleName(moveDown_->text());
    moveDown_->setFocusPolicy(Qt::TabFocus);
    connect(moveDown_, &QCheckBox::clicked, this, [this](bool on) { commands_.moveDown(on); });
    // Down while recording; the core's state is shown again after every click.
    recording_->setCheckable(true);
    // Named for what it switches; its checked state says on or off.
    recording_->setAccessibleName(QStringLiteral("履歴の記録"));
}

void HistoryOperationPanel::build(const SettingsSet& set) {
    pitch_ = LayoutPitch(set.Pitch);
    const QFont font = PanelFont(set.FontNameS, set.FontSizeS, set.FontBoldS);
    const QFontMetrics metrics(font);
    const int eight = metrics.horizontalAdvance(QStringLiteral("8"));
    const int unit = static_cast<int>(std::lround((metrics.height() + 4) * kUnitScale));

    int left = pitch_;
    for (QPushButton* button : {clear_, delete_, replay_}) {
        button->setGeometry(left, pitch_, kButtonDigits * eight, unit);
        left += kButtonDigits * eight;
    }
    moveDown_->setGeometry(left + kGap, pitch_, kCheckDigits * eight, unit);
    recording_->setGeometry(moveDown_->geometry().right() + 1 + kGap, pitch_, unit, unit);
    for (QWidget* part : findChildren<QWidget*>()) {
        part->setFont(font);
        setTextColor(*part, set.FontColorS);
    }
    paintBackground(*moveDown_, set.ColorS);
    paintBackground(*this, set.ColorS);
    resize(recording_->geometry().right() + 1 + pitch_, unit + 2 * pitch_);

    moveDown_->setChecked(set.MoveS);
    commands_.moveDown(set.MoveS);
}

void HistoryOperationPanel::showState(const History& history) {
    recording_->setChecked(history.recording());
    recording_->setText(history.recording() ? kRecordingOn : kRecordingOff);
    moveDown_->setChecked(history.moveDown());
}

// The toggle keeps to the right edge.
void HistoryOperationPanel::fitWidth(int width) {
    resize(width, height());
    recording_->move(width - pitch_ - recording_->width(), recording_->y());
}

}  // namespace tavrik::ui
