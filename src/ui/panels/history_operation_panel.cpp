#include "ui/panels/history_operation_panel.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <cmath>

#include "ui/platform/panel_font.h"

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
    if (onClick) QObject::connect(button, &QPushButton::clicked, button, [onClick] { onClick(); });
    return button;
}

}  // namespace

HistoryOperationPanel::HistoryOperationPanel(QWidget* parent, Commands commands)
    : PanelWidget(PanelKind::HistoryOps, parent),
      commands_(std::move(commands)),
      clear_(MakeButton(this, "btnHC", QStringLiteral("クリア"), commands_.clear)),
      delete_(MakeButton(this, "btnHD", QStringLiteral("削除"), commands_.deleteLine)),
      replay_(MakeButton(this, "btnHR", QStringLiteral("実行"), commands_.replay)),
      moveDown_(new QCheckBox(QStringLiteral("↓"), this)),
      recording_(MakeButton(this, "sbtHE", kRecordingOn, nullptr)) {
    setObjectName("pnlS");
    moveDown_->setObjectName("cbxHC");
    moveDown_->setAccessibleName(moveDown_->text());
    setHelp(*clear_, QStringLiteral("履歴リストの行をすべて消す"));
    setHelp(*delete_, QStringLiteral("選んだ行を履歴リストから消す"));
    setHelp(*replay_, QStringLiteral("選んだ行をもう一度計算する"));
    setHelp(*moveDown_, QStringLiteral("実行の後、次の行に移る"));
    setHelp(*recording_, QStringLiteral("計算を履歴リストに記録する（○ 記録中、× 停止中）"));
    moveDown_->setFocusPolicy(Qt::TabFocus);
    // The checkable controls act on their state change, whatever changed it: a
    // click, the keyboard, or a screen reader's toggle action, which never
    // clicks. Showing the core's state changes them without a signal.
    connect(moveDown_, &QCheckBox::toggled, this, [this](bool on) { commands_.moveDown(on); });
    // Down while recording; the core's state is shown again after every toggle.
    recording_->setCheckable(true);
    connect(recording_, &QPushButton::toggled, this, [this] { commands_.toggleRecording(); });
    // Named for what it switches; its checked state says on or off.
    recording_->setAccessibleName(QStringLiteral("履歴の記録"));
}

void HistoryOperationPanel::build(const SettingsSet& set) {
    place(set);
    {
        const QSignalBlocker quiet(moveDown_);
        moveDown_->setChecked(set.MoveS);
    }
    commands_.moveDown(set.MoveS);
}

void HistoryOperationPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::HistoryOps);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    const QFont font = PanelFont(style);
    const QFontMetrics metrics(font);
    const int eight = metrics.horizontalAdvance(QStringLiteral("8"));
    const int unit = static_cast<int>(std::lround((metrics.height() + 4) * kUnitScale));

    int left = pitch;
    for (QPushButton* button : {clear_, delete_, replay_}) {
        button->setGeometry(scale_.rect(left, pitch, kButtonDigits * eight, unit));
        left += kButtonDigits * eight;
    }
    left += kGap;
    moveDown_->setGeometry(scale_.rect(left, pitch, kCheckDigits * eight, unit));
    left += kCheckDigits * eight + kGap;
    recording_->setGeometry(scale_.rect(left, pitch, unit, unit));
    const QFont shownFont = scale_.font(font);
    for (QWidget* part : findChildren<QWidget*>()) {
        part->setFont(shownFont);
        setTextColor(*part, style.fontColor);
    }
    paintBackground(*moveDown_, style.color);
    applyStyle(style);
    resize(scale_.rect(0, 0, left + unit + pitch, unit + 2 * pitch).size());
}

unsigned HistoryOperationPanel::shownChanges() const {
    return kHistoryChanged | kModeChanged;
}

void HistoryOperationPanel::show(const Calculator& calc, unsigned) {
    showState(calc.history());
}

void HistoryOperationPanel::showState(const History& history) {
    const QSignalBlocker quietToggle(recording_);
    const QSignalBlocker quietCheck(moveDown_);
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
