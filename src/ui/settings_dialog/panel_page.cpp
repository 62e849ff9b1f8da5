#include "ui/settings_dialog/panel_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <cstdlib>
#include <string>

#include "ui/settings_dialog/dialog_text.h"

namespace tavrik::ui {

namespace {

// Object names carry the panel letter: "cbcColorD", "spnDigitsH", …
QString ControlName(std::string_view kind, char letter) {
    return QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) + QChar(letter);
}

template <class W>
W* Make(W* widget, std::string_view kind, char letter) {
    widget->setObjectName(ControlName(kind, letter));
    return widget;
}

QCheckBox* NamedCheck(std::string_view caption, std::string_view name, char letter) {
    auto* check = Make(new QCheckBox(Text(caption)), name, letter);
    check->setAccessibleName(Text(caption));
    return check;
}

}  // namespace

PanelPage::PanelPage(PanelKind kind, QWidget* parent)
    : QWidget(parent),
      fields_(InfoOf(kind).fields),
      letter_(InfoOf(kind).letter),
      color_(Make(new ColorPicker, "cbcColor", letter_)),
      font_(Make(new FontPicker, "cmbFontName", letter_)),
      size_(Make(new SettingSpin(fields_.fontSize), "spnFontSize", letter_)),
      bold_(NamedCheck("太字", "cbxFontBold", letter_)),
      fontColor_(Make(new ColorPicker, "cbcFontColor", letter_)) {
    auto* form = new QFormLayout(this);
    AddRow(*form, QStringLiteral("背景色"), color_);
    AddRow(*form, QStringLiteral("フォント"), font_);
    AddRow(*form, QStringLiteral("サイズ"), size_);
    form->addRow(bold_);
    AddRow(*form, QStringLiteral("色"), fontColor_);
    if (fields_.back) {
        back_ = Make(new ColorPicker, "cbcBackColor", letter_);
        AddRow(*form, QStringLiteral("背景色２"), back_);
    }
    if (fields_.digits) {
        digits_ = Make(new SettingSpin(kDigitsRange), "spnDigits", letter_);
        AddRow(*form, QStringLiteral("表示桁"), digits_);
    }
    for (const PanelOption& option : InfoOf(kind).options) addOption(*form, option);
}

void PanelPage::addOption(QFormLayout& form, const PanelOption& option) {
    OptionControls& controls = options_.emplace_back(OptionControls{&option});
    const QString caption = Text(option.caption);
    switch (option.control) {
        case PanelOptionControl::Number:
            controls.spin =
                Make(new SettingSpin(option.range), "spn" + std::string(option.name), letter_);
            AddRow(form, caption, controls.spin);
            break;
        case PanelOptionControl::SignedNumber: {
            controls.spin =
                Make(new SettingSpin(option.range), "spn" + std::string(option.name), letter_);
            controls.spin->setAccessibleName(caption);
            controls.check =
                NamedCheck(option.signCaption, "cbx" + std::string(option.signName), letter_);
            auto* row = new QHBoxLayout;
            row->addWidget(controls.spin);
            row->addWidget(controls.check);
            form.addRow(caption, row);
            break;
        }
        case PanelOptionControl::Choice: {
            QStringList captions;
            std::vector<int> values;
            for (const ChoiceEntry& entry : option.choices) {
                captions << Text(entry.caption);
                values.push_back(entry.value);
            }
            controls.choice = Make(new SettingChoice(captions, std::move(values)),
                                   "cmb" + std::string(option.name), letter_);
            AddRow(form, caption, controls.choice);
            break;
        }
        case PanelOptionControl::Check:
            controls.check = NamedCheck(option.caption, "cbx" + std::string(option.name), letter_);
            form.addRow(controls.check);
            break;
    }
}

void PanelPage::load(const SettingsSet& set) {
    color_->load(set.*fields_.color);
    font_->load(set.*fields_.font);
    size_->load(set.*fields_.size);
    bold_->setChecked(set.*fields_.bold);
    fontColor_->load(set.*fields_.fontColor);
    if (back_) back_->load(set.*fields_.back);
    if (digits_) digits_->load(set.*fields_.digits);
    for (const OptionControls& controls : options_) {
        const PanelOption& option = *controls.option;
        switch (option.control) {
            case PanelOptionControl::Number:
                controls.spin->load(set.*option.number);
                break;
            case PanelOptionControl::SignedNumber:
                controls.spin->load(std::abs(set.*option.number));
                controls.check->setChecked(set.*option.number < 0);
                break;
            case PanelOptionControl::Choice:
                controls.choice->load(set.*option.number);
                break;
            case PanelOptionControl::Check:
                controls.check->setChecked(set.*option.flag);
                break;
        }
    }
}

void PanelPage::store(SettingsSet& set) const {
    set.*fields_.color = color_->stored();
    set.*fields_.font = font_->stored();
    set.*fields_.size = size_->stored();
    set.*fields_.bold = bold_->isChecked();
    set.*fields_.fontColor = fontColor_->stored();
    if (back_) set.*fields_.back = back_->stored();
    if (digits_) set.*fields_.digits = digits_->stored();
    for (const OptionControls& controls : options_) {
        const PanelOption& option = *controls.option;
        switch (option.control) {
            case PanelOptionControl::Number:
                set.*option.number = controls.spin->stored();
                break;
            case PanelOptionControl::SignedNumber: {
                const int magnitude = std::abs(controls.spin->stored());
                set.*option.number = controls.check->isChecked() ? -magnitude : magnitude;
                break;
            }
            case PanelOptionControl::Choice:
                set.*option.number = controls.choice->stored();
                break;
            case PanelOptionControl::Check:
                set.*option.flag = controls.check->isChecked();
                break;
        }
    }
}

}  // namespace tavrik::ui
