#include "ui/panels/memory_panel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>

#include "ui/platform/accessible_roles.h"
#include "ui/platform/panel_font.h"

namespace tavrik::ui {

namespace {

constexpr int kKeyDigits = 3;  // store and recall keys are three "8" wide

// "メモリー1" … "メモリー4": registers are counted from 1 for the user.
QString RegisterName(int slot) {
    return QStringLiteral("メモリー%1").arg(slot + 1);
}

QPushButton* MakeKey(QWidget* parent, const QString& name, const std::function<void()>& onClick) {
    auto* key = new QPushButton(parent);
    key->setObjectName(name);
    // Reached with Tab; a click leaves the focus where it was.
    key->setFocusPolicy(Qt::TabFocus);
    QObject::connect(key, &QPushButton::clicked, key, onClick);
    return key;
}

}  // namespace

MemoryPanel::MemoryPanel(QWidget* parent, Commands commands)
    : PanelWidget(PanelKind::Memory, parent), commands_(std::move(commands)) {
    setObjectName("pnlM");
    for (int slot = 0; slot < kSlots; ++slot) {
        Row& row = rows_[static_cast<std::size_t>(slot)];
        const QString digit = QString::number(slot);
        row.store = MakeKey(this, "btnM" + digit + "I", [this, slot] { commands_.store(slot); });
        row.value = new QLabel(this);
        row.value->setObjectName("stxM" + digit);
        row.value->setTextFormat(Qt::PlainText);
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.value->setAutoFillBackground(true);
        row.value->installEventFilter(this);
        // The four values are one choice, the current register: Tab reaches
        // the current one, the arrow keys choose another.
        SetAccessibleRole(*row.value, QAccessible::RadioButton);
        row.recall = MakeKey(this, "btnM" + digit + "O", [this, slot] { commands_.recall(slot); });
        row.recall->setText(QString::fromUtf8(MemoryRegisters::kRecallCaption));
        row.store->setAccessibleName(RegisterName(slot) + QStringLiteral("に記憶"));
        row.recall->setAccessibleName(RegisterName(slot) + QStringLiteral("を呼び出す"));
        setHelp(*row.store, QStringLiteral("表示窓の値を%1に記憶する").arg(RegisterName(slot)));
        setHelp(*row.recall, QStringLiteral("%1の値を表示窓に呼び出す").arg(RegisterName(slot)));
        setHelp(*row.value,
                QStringLiteral("%1の値（矢印キーで使うメモリーを選ぶ）").arg(RegisterName(slot)));
    }
}

void MemoryPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::Memory);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    const QFont font = PanelFont(style);
    const QFont shownFont = scale_.font(font);
    const QFontMetrics metrics(font);
    const int eight = metrics.horizontalAdvance(QStringLiteral("8"));
    const int rowHeight = metrics.height() + 4;
    const int keyWidth = kKeyDigits * eight;
    const int valueWidth = (style.digits + 1) * eight;

    for (int slot = 0; slot < kSlots; ++slot) {
        const Row& row = rows_[static_cast<std::size_t>(slot)];
        const int top = pitch + slot * rowHeight;
        const int valueLeft = pitch + keyWidth + 1;
        const int recallLeft = valueLeft + valueWidth + 1;
        row.store->setGeometry(scale_.rect(pitch, top, keyWidth, rowHeight));
        row.value->setGeometry(scale_.rect(valueLeft, top, valueWidth, rowHeight));
        row.recall->setGeometry(scale_.rect(recallLeft, top, keyWidth, rowHeight));
        for (QWidget* part : {static_cast<QWidget*>(row.store), static_cast<QWidget*>(row.value),
                              static_cast<QWidget*>(row.recall)}) {
            part->setFont(shownFont);
            setTextColor(*part, style.fontColor);
        }
        paintBackground(*row.value, style.backColor);
    }
    applyStyle(style);
    const int right = pitch + 2 * keyWidth + valueWidth + 2;
    resize(scale_.rect(0, 0, right + pitch, kSlots * rowHeight + 2 * pitch).size());
}

unsigned MemoryPanel::shownChanges() const {
    return kMemoryChanged;
}

void MemoryPanel::show(const Calculator& calc, unsigned) {
    showRegisters(calc.memory());
}

void MemoryPanel::showRegisters(const MemoryRegisters& registers) {
    for (int slot = 0; slot < kSlots; ++slot) {
        const Row& row = rows_[static_cast<std::size_t>(slot)];
        const QString text =
            QString::fromStdString(registers.texts[static_cast<std::size_t>(slot)]);
        const bool current = slot == registers.current;
        row.value->setText(text);
        row.value->setAccessibleName(RegisterName(slot) + QStringLiteral(": ") + text);
        row.value->setFocusPolicy(current ? Qt::TabFocus : Qt::NoFocus);
        SetAccessibleChecked(*row.value, current);
        row.store->setText(QString::fromUtf8(registers.storeCaption(slot)));
        row.store->setEnabled(!current);
    }
    current_ = registers.current;
}

// The focus goes with the choice, so that the next arrow key moves on from it.
void MemoryPanel::chooseNext(int step) {
    const int slot = current_ + step;
    if (slot < 0 || slot >= kSlots) return;
    commands_.select(slot);
    rows_[static_cast<std::size_t>(slot)].value->setFocus(Qt::TabFocusReason);
}

QWidget* MemoryPanel::mainControl() const {
    return isVisible() ? rows_[static_cast<std::size_t>(current_)].value : nullptr;
}

// The value texts take up the added width; the recall keys keep to the right edge.
void MemoryPanel::fitWidth(int width) {
    resize(width, height());
    for (const Row& row : rows_) {
        const int recallLeft = width - pitch_ - row.recall->width();
        row.recall->move(recallLeft, row.recall->y());
        row.value->resize(recallLeft - 1 - row.value->x(), row.value->height());
    }
}

bool MemoryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Left) {
            chooseNext(-1);
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Right) {
            chooseNext(1);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int slot = 0; slot < kSlots; ++slot) {
            if (watched != rows_[static_cast<std::size_t>(slot)].value) continue;
            commands_.select(slot);
            return true;
        }
    }
    return PanelWidget::eventFilter(watched, event);
}

}  // namespace tavrik::ui
