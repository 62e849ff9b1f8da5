#include "ui/settings_dialog/basic_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/name_case.h"
#include "settings/setting_ranges.h"
#include "ui/settings_dialog/dialog_text.h"
#include "ui/settings_dialog/holiday_list.h"

namespace tavrik::ui {

BasicPage::BasicPage(QWidget* parent)
    : QWidget(parent),
      set_(Named(new QComboBox, "cmbSet", QStringLiteral("設定"))),
      tsr_(Named(new QCheckBox(QStringLiteral("常駐")), "cbxTSR", QStringLiteral("常駐"))),
      tpm_(Named(new QCheckBox(QStringLiteral("前面")), "cbxTPM", QStringLiteral("前面"))),
      kk3_(Named(new QCheckBox(QStringLiteral("桁区切")), "cbxKK3", QStringLiteral("桁区切"))),
      menu_(Named(new SettingChoice({QStringLiteral("操作・モード・表示・関数・ヘルプ"),
                                     QStringLiteral("Ope.・Mode・View・Func.・Help"),
                                     QStringLiteral("（表示設定）")},
                                    {0, 1, 2}),
                  "cmbMenu", QStringLiteral("メニュー表示"))),
      tax_(Named(new SettingSpin(kTaxRange), "spnTax", QStringLiteral("税率（％）"))),
      reducedTax_(
          Named(new SettingSpin(kTaxRange), "spnReducedTax", QStringLiteral("軽減税率（％）"))),
      taxRound_(Named(new SettingChoice({QStringLiteral("何もしない"), QStringLiteral("四捨五入"),
                                         QStringLiteral("切り捨て"), QStringLiteral("切り上げ")},
                                        {0, 1, 2, 3}),
                      "cmbTaxRound", QStringLiteral("端数"))),
      hexBefore_(Named(new QLineEdit, "edtHexB", QStringLiteral("16進記号　前"))),
      hexAfter_(Named(new QLineEdit, "edtHexA", QStringLiteral("16進記号　後"))),
      save_(Named(new QCheckBox(QStringLiteral("終了時にモードと座標保存")), "cbxSave",
                  QStringLiteral("終了時にモードと座標保存"))),
      keepState_(Named(new QCheckBox(QStringLiteral("終了時に履歴とメモリーを残す")),
                       "cbxKeepState", QStringLiteral("終了時に履歴とメモリーを残す"))),
      raiseRunning_(Named(new QCheckBox(QStringLiteral("もう一度起動したらウィンドウを表示")),
                          "cbxRaiseRunning", QStringLiteral("もう一度起動したらウィンドウを表示"))),
      bizDays_(Named(new QCheckBox(QStringLiteral("営業日計算")), "cbxBizDays",
                     QStringLiteral("営業日計算"))),
      firstDay_(Named(new QCheckBox(QStringLiteral("初日算入")), "cbxFirstDay",
                      QStringLiteral("初日算入"))),
      gannen_(Named(new QCheckBox(QStringLiteral("元年")), "cbxGannen", QStringLiteral("元年"))),
      holidays_(new HolidayList) {
    static constexpr std::array<const char*, 5> kCaptionNames{"edtMenuO", "edtMenuM", "edtMenuV",
                                                              "edtMenuF", "edtMenuH"};
    static constexpr std::array<const char*, 5> kCaptionRoles{"操作", "モード", "表示", "関数",
                                                              "ヘルプ"};
    auto* start = new QGroupBox(QStringLiteral("初期表示"));
    auto* startForm = new QFormLayout(start);
    AddRow(*startForm, QStringLiteral("設定"), set_);

    auto* checks = new QHBoxLayout;
    checks->addWidget(tsr_);
    checks->addWidget(tpm_);
    checks->addWidget(kk3_);

    auto* captions = new QGroupBox(QStringLiteral("表示設定"));
    auto* captionRow = new QHBoxLayout(captions);
    for (std::size_t i = 0; i < menuCaptions_.size(); ++i) {
        menuCaptions_[i] = Named(new QLineEdit, kCaptionNames[i],
                                 QStringLiteral("表示設定 ") + QString::fromUtf8(kCaptionRoles[i]));
        captionRow->addWidget(menuCaptions_[i]);
    }

    auto* form = new QFormLayout;
    AddRow(*form, QStringLiteral("メニュー表示"), menu_);
    form->addRow(captions);
    AddRow(*form, QStringLiteral("税率（％）"), tax_);
    AddRow(*form, QStringLiteral("軽減税率（％）"), reducedTax_);
    AddRow(*form, QStringLiteral("端数"), taxRound_);
    AddRow(*form, QStringLiteral("16進記号　前"), hexBefore_);
    AddRow(*form, QStringLiteral("後"), hexAfter_);

    // The office options of date mode.
    bizDays_->setToolTip(QStringLiteral("日付に数を足すと営業日で数え、日付÷日付で間の営業日数"));
    firstDay_->setToolTip(QStringLiteral("日数に初日を含める"));
    gannen_->setToolTip(QStringLiteral("和暦の最初の年を「元年」と表示"));
    auto* office = new QGroupBox(QStringLiteral("日付"));
    auto* officeLayout = new QVBoxLayout(office);
    auto* officeChecks = new QHBoxLayout;
    officeChecks->addWidget(bizDays_);
    officeChecks->addWidget(firstDay_);
    officeChecks->addWidget(gannen_);
    officeLayout->addLayout(officeChecks);
    auto* days = new QGroupBox(QStringLiteral("休業日"));
    (new QVBoxLayout(days))->addWidget(holidays_);
    officeLayout->addWidget(days);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(start);
    layout->addLayout(checks);
    layout->addLayout(form);
    layout->addWidget(save_);
    layout->addWidget(keepState_);
    layout->addWidget(raiseRunning_);
    layout->addWidget(office);
    layout->addStretch();
}

void BasicPage::load(const GlobalSettings& settings, const std::vector<std::string>& names) {
    loadedSet_ = settings.Set;
    setSetNames(names);
    set_->setCurrentIndex(0);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameName(names[i], settings.Set)) {
            set_->setCurrentIndex(static_cast<int>(i) + 1);
            break;
        }
    }
    tsr_->setChecked(settings.TSR);
    tpm_->setChecked(settings.TPM);
    kk3_->setChecked(settings.KK3);
    menu_->load(settings.Menu);
    const std::array<const std::string*, 5> captions{
        &settings.MenuO, &settings.MenuM, &settings.MenuV, &settings.MenuF, &settings.MenuH};
    for (std::size_t i = 0; i < captions.size(); ++i) menuCaptions_[i]->setText(Text(*captions[i]));
    tax_->load(settings.Tax);
    reducedTax_->load(settings.ReducedTax);
    taxRound_->load(settings.TaxRound);
    hexBefore_->setText(Text(settings.HexB));
    hexAfter_->setText(Text(settings.HexA));
    save_->setChecked(settings.Save);
    keepState_->setChecked(settings.KeepState);
    raiseRunning_->setChecked(settings.RaiseRunning);
    bizDays_->setChecked(settings.BizDays);
    firstDay_->setChecked(settings.FirstDay);
    gannen_->setChecked(settings.Gannen);
    holidays_->load(settings.Holidays);
}

void BasicPage::store(GlobalSettings& settings) const {
    const std::string chosen = set_->currentText().toStdString();
    // A set name given in another letter case still names the same set.
    settings.Set = SameName(chosen, loadedSet_) ? loadedSet_ : chosen;
    settings.TSR = tsr_->isChecked();
    settings.TPM = tpm_->isChecked();
    settings.KK3 = kk3_->isChecked();
    settings.Menu = menu_->stored();
    const std::array<std::string*, 5> captions{&settings.MenuO, &settings.MenuM, &settings.MenuV,
                                               &settings.MenuF, &settings.MenuH};
    for (std::size_t i = 0; i < captions.size(); ++i)
        *captions[i] = menuCaptions_[i]->text().toStdString();
    settings.Tax = tax_->stored();
    settings.ReducedTax = reducedTax_->stored();
    settings.TaxRound = taxRound_->stored();
    settings.HexB = hexBefore_->text().toStdString();
    settings.HexA = hexAfter_->text().toStdString();
    settings.Save = save_->isChecked();
    settings.KeepState = keepState_->isChecked();
    settings.RaiseRunning = raiseRunning_->isChecked();
    settings.BizDays = bizDays_->isChecked();
    settings.FirstDay = firstDay_->isChecked();
    settings.Gannen = gannen_->isChecked();
    settings.Holidays = holidays_->stored();
}

void BasicPage::setSetNames(const std::vector<std::string>& names) {
    const int selected = std::max(set_->currentIndex(), 0);
    set_->clear();
    set_->addItem(QString());
    for (const std::string& name : names) set_->addItem(Text(name));
    set_->setCurrentIndex(std::min(selected, set_->count() - 1));
}

}  // namespace tavrik::ui
