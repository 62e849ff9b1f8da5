#include "ui/panels/button_panel.h"

#include <QFontMetrics>
#include <QMenu>
#include <cmath>

#include "engine/key_descriptions.h"
#include "engine/time_sheet_keys.h"
#include "settings/key_codes.h"
#include "settings/setting_ranges.h"
#include "ui/panels/custom_key_bounds.h"
#include "ui/panels/key_grid.h"
#include "ui/platform/panel_font.h"

namespace tavrik::ui {

namespace {

// What a screen reader calls a key without a caption (an unassigned
// function key, or a key the mode does not use).
const QString kUnassignedKeyName = QStringLiteral("未割当");

constexpr const char* kKeyNames[kKeySlots] = {
    "",      "btnN0", "btnN1", "btnN2", "btnN3", "btnN4", "btnN5", "btnN6", "btnN7",
    "btnN8", "btnN9", "btnNA", "btnNB", "btnNC", "btnND", "btnNE", "btnNF", "btnNT",
    "btnNP", "btnCA", "btnCS", "btnCM", "btnCD", "btnCE", "btnCP", "btnCC", "btnCR",
    "btnMA", "btnMS", "btnMR", "btnMC", "btnAC", "btnBS", "btnTI", "btnTO", "btnCB",
};

// The access letters of the time-sheet items, from 時間数 on.
constexpr std::array<char, kTimeSheetKeyLabels.size()> kTimeSheetAccessLetters{'H', 'K', '1', '2',
                                                                               '3', '4', '5', '6'};

// 変換's menu: the time-sheet keys, the operator 時刻差 apart from the rest.
QMenu* TimeSheetMenu(QWidget* parent, const ButtonPanel::MenuHandler& onMenuItem) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("pmnTimeSheet");
    menu->setAccessibleName(QStringLiteral("時間計算"));
    for (int code = kDecimalHours; code <= kRoundNearest30; ++code) {
        const auto index = static_cast<std::size_t>(code - kDecimalHours);
        const std::string_view label = TimeSheetKeyLabel(code);
        QAction* item =
            menu->addAction(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())) +
                            QStringLiteral("(&%1)").arg(QChar(kTimeSheetAccessLetters[index])));
        QObject::connect(item, &QAction::triggered, menu, [onMenuItem, code] { onMenuItem(code); });
        if (code == kClockDifference) menu->addSeparator();
    }
    return menu;
}

}  // namespace

const char* ButtonPanel::KeyName(int tag) {
    return tag >= 1 && tag <= kOnScreenKeys ? kKeyNames[tag] : "";
}

ButtonPanel::ButtonPanel(QWidget* parent, ClickHandler onClick, MenuHandler onMenuItem)
    : PanelWidget(PanelKind::Buttons, parent),
      keys_(new QWidget(this)),
      timeSheetMenu_(TimeSheetMenu(this, onMenuItem)) {
    setObjectName("pnlB");
    keys_->setObjectName("pnlBB");
    keys_->setAccessibleName(QStringLiteral("キー"));
    for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
        auto* button = new KeyButton(keys_);
        button->setObjectName(kKeyNames[tag]);
        // Tab reaches every key; a click leaves the focus where it was. Typed
        // keys still go to the calculator while a key has the focus.
        button->setFocusPolicy(Qt::TabFocus);
        QObject::connect(button, &QPushButton::clicked, button, [onClick, tag] { onClick(tag); });
        buttons_[static_cast<std::size_t>(tag)] = button;
    }
    KeyButton* convert = buttons_[kTaxOut];
    QObject::connect(
        convert, &QWidget::customContextMenuRequested, timeSheetMenu_,
        [this, convert](QPoint at) { timeSheetMenu_->popup(convert->mapToGlobal(at)); });
}

void ButtonPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::Buttons);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    const QFont font = PanelFont(style);
    const QFont keyFont = scale_.font(font);
    for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
        KeyButton* button = buttons_[static_cast<std::size_t>(tag)];
        button->setKeyFont(keyFont);
        setTextColor(*button, style.fontColor);
    }

    QSize inner;
    if (const std::optional<CustomKeyLayout> custom = CustomKeyBounds(set.BoundsB, pitch)) {
        for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
            const CustomKey& key = custom->keys[static_cast<std::size_t>(tag)];
            KeyButton* button = buttons_[static_cast<std::size_t>(tag)];
            placed_[static_cast<std::size_t>(tag)] = key.placed;
            button->setGeometry(
                scale_.rect(key.rect.left, key.rect.top, key.rect.width, key.rect.height));
            button->setVisible(key.placed);
            if (key.color) setTextColor(*button, *key.color);
        }
        inner = {custom->width, custom->height};
    } else {
        const QFontMetrics metrics(font);
        const QString glyph = QStringLiteral("税");
        const int w = KeyCellWidth(metrics.horizontalAdvance(glyph), style.digits);
        const int h = KeyCellHeight(metrics.height());
        const KeyGrid grid = DefaultKeyGrid(w, h, kKeyGapRange.clamp(set.PitchB));
        for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
            const KeyRect& rect = grid.keys[static_cast<std::size_t>(tag)];
            KeyButton* button = buttons_[static_cast<std::size_t>(tag)];
            placed_[static_cast<std::size_t>(tag)] = true;
            button->setGeometry(scale_.rect(rect.left, rect.top, rect.width, rect.height));
            button->show();
        }
        inner = {grid.width, grid.height};
    }
    // The keys are scaled from the key area's own corner, so the area is as
    // large as its scaled content (scaling it from the panel's corner can round
    // it a pixel short and cut the last row); the panel goes round it.
    const int margin = scale_.length(pitch);
    const QRect area(QPoint(margin, margin),
                     scale_.rect(0, 0, inner.width(), inner.height()).size());
    keys_->setGeometry(area);
    paintBackground(*keys_, style.color);
    applyStyle(style);
    resize(area.right() + 1 + margin, area.bottom() + 1 + margin);
}

unsigned ButtonPanel::shownChanges() const {
    return kKeypadChanged;
}

void ButtonPanel::show(const Calculator& calc, unsigned) {
    showFace(calc.keypad());
    // In time mode 変換 has a menu of its own; elsewhere a right click on it
    // opens the window's menu, as on any key.
    buttons_[kTaxOut]->setContextMenuPolicy(calc.mode() == CalcMode::Time ? Qt::CustomContextMenu
                                                                          : Qt::DefaultContextMenu);
}

void ButtonPanel::showFace(const KeypadFace& face) {
    for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
        const KeyFace& key = face[static_cast<std::size_t>(tag)];
        KeyButton* button = buttons_[static_cast<std::size_t>(tag)];
        const QString caption = QString::fromStdString(key.caption);
        button->setCaption(caption);
        // Keys A–F carry the function title as their caption in 10進.
        button->setAccessibleName(caption.isEmpty() ? kUnassignedKeyName : caption);
        // The full caption and what the key does.
        setHelp(*button, QString::fromStdString(KeyHelpText(key)));
        button->setEnabled(key.enabled && placed_[static_cast<std::size_t>(tag)]);
        button->setUnderlined(key.underlined);
    }
}

void ButtonPanel::fitWidth(int width) {
    resize(width, height());
    const int left = static_cast<int>(std::lround((width - keys_->width()) / 2.0));
    keys_->move(left, keys_->y());
}

}  // namespace tavrik::ui
