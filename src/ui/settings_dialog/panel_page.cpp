#include "ui/settings_dialog/panel_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <cstdlib>

namespace tavrik::ui {

namespace {

constexpr int kMaxFontSize = 50;
constexpr int kMaxDigits = 100;
constexpr int kMaxHistory = 9999;

// Object names carry the panel letter: "cbcColorD", "spnDigitsH", …
QString ControlName(const char* kind, char letter) {
    return QString::fromLatin1(kind) + QChar(letter);
}

template <class W>
W* Make(W* widget, const char* kind, char letter) {
    widget->setObjectName(ControlName(kind, letter));
    return widget;
}

}  // namespace

PanelPage::PanelPage(PanelKind kind, QWidget* parent)
    : QWidget(parent),
      fields_(InfoOf(kind).fields),
      kind_(kind),
      letter_(InfoOf(kind).letter),
      color_(Make(new ColorPicker, "cbcColor", letter_)),
      font_(Make(new FontPicker, "cmbFontName", letter_)),
      size_(Make(new SettingSpin(fields_.minFontSize, kMaxFontSize), "spnFontSize", letter_)),
      bold_(Make(new QCheckBox(QStringLiteral("太字")), "cbxFontBold", letter_)),
      fontColor_(Make(new ColorPicker, "cbcFontColor", letter_)) {
    auto* form = new QFormLayout(this);
    AddRow(*form, QStringLiteral("背景色"), color_);
    AddRow(*form, QStringLiteral("フォント"), font_);
    AddRow(*form, QStringLiteral("サイズ"), size_);
    bold_->setAccessibleName(QStringLiteral("太字"));
    form->addRow(bold_);
    AddRow(*form, QStringLiteral("色"), fontColor_);
    if (fields_.back) {
        back_ = Make(new ColorPicker, "cbcBackColor", letter_);
        AddRow(*form, QStringLiteral("背景色２"), back_);
    }
    if (fields_.digits) {
        digits_ = Make(new SettingSpin(0, kMaxDigits), "spnDigits", letter_);
        AddRow(*form, QStringLiteral("表示桁"), digits_);
    }
    switch (kind) {
        case PanelKind::Buttons:
            pitchB_ = Make(new SettingSpin(0, kMaxDigits), "spnPitch", letter_);
            AddRow(*form, QStringLiteral("間"), pitchB_);
            break;
        case PanelKind::History: {
            lines_ = Make(new SettingSpin(1, kMaxPanelLines), "spnLine", letter_);
            variableLines_ = Make(new QCheckBox(QStringLiteral("可変")), "cbxLineVar", letter_);
            variableLines_->setAccessibleName(QStringLiteral("可変"));
            auto* row = new QHBoxLayout;
            row->addWidget(lines_);
            row->addWidget(variableLines_);
            lines_->setAccessibleName(QStringLiteral("行"));
            form->addRow(QStringLiteral("行"), row);
            maxLines_ = Make(new SettingSpin(0, kMaxHistory), "spnMaxLine", letter_);
            AddRow(*form, QStringLiteral("最大履歴"), maxLines_);
            lineNumbers_ =
                Make(new SettingChoice({QStringLiteral("なし"), QStringLiteral("AC毎"),
                                        QStringLiteral("AC毎（数字のみ）"), QStringLiteral("連続"),
                                        QStringLiteral("連続（数字のみ）")},
                                       {0, 1, 2, 11, 12}),
                     "cmbLNoType", letter_);
            AddRow(*form, QStringLiteral("行番"), lineNumbers_);
            break;
        }
        case PanelKind::HistoryOps:
            moveS_ = Make(new QCheckBox(QStringLiteral("移動")), "cbxMove", letter_);
            moveS_->setAccessibleName(QStringLiteral("移動"));
            form->addRow(moveS_);
            break;
        case PanelKind::Formula:
            lines_ = Make(new SettingSpin(1, kMaxPanelLines), "spnLine", letter_);
            AddRow(*form, QStringLiteral("行"), lines_);
            scrollBars_ = Make(
                new SettingChoice({QStringLiteral("表示しない"), QStringLiteral("縦のみ表示"),
                                   QStringLiteral("横のみ表示"), QStringLiteral("縦横とも表示")},
                                  {0, 1, 2, 3}),
                "cmbScBar", letter_);
            AddRow(*form, QStringLiteral("スクロールバー"), scrollBars_);
            runButton_ = Make(new QCheckBox(QStringLiteral("＝ボタン")), "cbxFRBtn", letter_);
            runButton_->setAccessibleName(QStringLiteral("＝ボタン"));
            form->addRow(runButton_);
            break;
        default:
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
    if (pitchB_) pitchB_->load(set.PitchB);
    if (kind_ == PanelKind::History) {
        lines_->load(std::abs(set.LineH));
        variableLines_->setChecked(set.LineH < 0);
        maxLines_->load(set.MaxLineH);
        lineNumbers_->load(set.LNoTypeH);
    }
    if (moveS_) moveS_->setChecked(set.MoveS);
    if (kind_ == PanelKind::Formula) {
        lines_->load(set.LineF);
        scrollBars_->load(set.ScBarF);
        runButton_->setChecked(set.FRBtnF);
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
    if (pitchB_) set.PitchB = pitchB_->stored();
    if (kind_ == PanelKind::History) {
        const int lines = lines_->stored();
        set.LineH = variableLines_->isChecked() ? -std::abs(lines) : std::abs(lines);
        set.MaxLineH = maxLines_->stored();
        set.LNoTypeH = lineNumbers_->stored();
    }
    if (moveS_) set.MoveS = moveS_->isChecked();
    if (kind_ == PanelKind::Formula) {
        set.LineF = lines_->stored();
        set.ScBarF = scrollBars_->stored();
        set.FRBtnF = runButton_->isChecked();
    }
}

}  // namespace tavrik::ui
