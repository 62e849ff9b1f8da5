#include "ui/settings_dialog/dialog_controls.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QLabel>
#include <algorithm>

#include "settings/color_text.h"
#include "ui/platform/system_colors.h"
#include "ui/settings_dialog/color_names.h"

namespace tavrik::ui {

namespace {

// Colours chosen in the colour dialog are plain 0x00BBGGRR values.
Color FromQColor(const QColor& color) {
    return static_cast<Color>(color.red()) | static_cast<Color>(color.green()) << 8 |
           static_cast<Color>(color.blue()) << 16;
}

// An unnamed colour as the web writes it, red first: "#RRGGBB".
QString ColorCode(Color color) {
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QChar('0'))
        .arg(color >> 8 & 0xFF, 2, 16, QChar('0'))
        .arg(color >> 16 & 0xFF, 2, 16, QChar('0'))
        .toUpper();
}

QIcon Swatch(Color color) {
    QPixmap pixmap(16, 16);
    const QColor shown = ToQColor(color);
    pixmap.fill(shown.isValid() ? shown : QColor(Qt::transparent));
    return QIcon(pixmap);
}

}  // namespace

void AddRow(QFormLayout& form, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    if (control->accessibleName().isEmpty()) control->setAccessibleName(caption);
    form.addRow(label, control);
}

SettingSpin::SettingSpin(SettingRange range, QWidget* parent) : QSpinBox(parent) {
    setRange(range.min, range.max);
}

void SettingSpin::load(int value) {
    loaded_ = value;
    setValue(value);
}

int SettingSpin::stored() const {
    return value() == std::clamp(loaded_, minimum(), maximum()) ? loaded_ : value();
}

SettingChoice::SettingChoice(const QStringList& captions, std::vector<int> values, QWidget* parent)
    : QComboBox(parent), values_(std::move(values)) {
    addItems(captions);
}

void SettingChoice::load(int value) {
    loaded_ = value;
    const auto found = std::find(values_.begin(), values_.end(), value);
    setCurrentIndex(found == values_.end() ? -1 : static_cast<int>(found - values_.begin()));
}

int SettingChoice::stored() const {
    const int index = currentIndex();
    return index < 0 ? loaded_ : values_[static_cast<std::size_t>(index)];
}

ColorPicker::ColorPicker(QWidget* parent) : QComboBox(parent) {
    for (const NamedColor& named : NamedColors())
        addItem(Swatch(named.color), JapaneseColorName(named.name), named.color);
    addItem(QString::fromUtf8(kOtherColorCaption));
    chooserIndex_ = count() - 1;
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == chooserIndex_) chooseOther();
    });
}

void ColorPicker::load(Color color) {
    const int index = findData(color);
    if (index >= 0 && index != chooserIndex_)
        setCurrentIndex(index);
    else
        choose(color);
}

Color ColorPicker::stored() const {
    return currentData().value<Color>();
}

void ColorPicker::choose(Color color) {
    int index = findData(color);
    if (index < 0) {
        index = chooserIndex_;
        insertItem(index, Swatch(color), QString::fromUtf8(kOwnColorCaption) + ColorCode(color),
                   color);
        ++chooserIndex_;
    }
    setCurrentIndex(index);
}

void ColorPicker::chooseOther() {
    const Color before = stored();
    const QColor chosen = QColorDialog::getColor(ToQColor(before), this, accessibleName(),
                                                 QColorDialog::DontUseNativeDialog);
    choose(chosen.isValid() ? FromQColor(chosen) : before);
}

FontPicker::FontPicker(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(QFontDatabase::families());
}

void FontPicker::load(const std::string& name) {
    setCurrentText(QString::fromStdString(name));
}

std::string FontPicker::stored() const {
    return currentText().toStdString();
}

}  // namespace tavrik::ui
