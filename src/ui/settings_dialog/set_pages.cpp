#include "ui/settings_dialog/set_pages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "settings/panel_kinds.h"
#include "settings/set_arrangement.h"
#include "settings/setting_ranges.h"

namespace tavrik::ui {

namespace {

// The status bar choice: "上部表示" writes "BT", "上部非表示" writes "BF".
constexpr int kStatusShown = 0;
constexpr int kStatusHidden = 1;

QCheckBox* Check(const QString& caption, const char* name) {
    return Named(new QCheckBox(caption), name, caption);
}

}  // namespace

SetPages::SetPages(QWidget* parent) : QStackedWidget(parent) {
    setObjectName("pgcSet");
    addWidget(buildPage1());
    addWidget(buildPage2());
    addWidget(buildPage3());
}

QWidget* SetPages::buildPage1() {
    auto* page = new QWidget;
    name_ = Named(new QLineEdit, "edtName", QStringLiteral("名称"));
    mode_ = Named(new SettingChoice({QStringLiteral("10進"), QStringLiteral("混合"),
                                     QStringLiteral("時間"), QStringLiteral("日付")},
                                    {'D', 'H', 'T', 'C'}),
                  "cmbMode", QStringLiteral("初期モード"));
    statusBar_ = Named(new SettingChoice({QStringLiteral("上部表示"), QStringLiteral("上部非表示")},
                                         {kStatusShown, kStatusHidden}),
                       "cmbSBA", QStringLiteral("ステータスバー"));
    titleBar_ = Check(QStringLiteral("タイトルバー     サイズ普通"), "cbxTBA");
    arrangement_ = new ArrangementList;
    auto* form = new QFormLayout(page);
    AddRow(*form, QStringLiteral("名称"), name_);
    AddRow(*form, QStringLiteral("初期モード"), mode_);
    AddRow(*form, QStringLiteral("ステータスバー"), statusBar_);
    form->addRow(titleBar_);
    AddRow(*form, QStringLiteral("配置"), arrangement_->list());
    form->addRow(arrangement_);
    return page;
}

QWidget* SetPages::buildPage2() {
    auto* page = new QWidget;
    pitch_ = Named(new SettingSpin(kPitchRange), "spnPitch", QStringLiteral("ピッチ"));
    color_ = Named(new ColorPicker, "cbcColor", QStringLiteral("背景色"));
    trans_ = Check(QStringLiteral("透過モード"), "cbxTrans");
    alphaActive_ = Named(new SettingSpin(kAlphaRange), "spnAlphaA", QStringLiteral("アクティブ時"));
    alphaInactive_ =
        Named(new SettingSpin(kAlphaRange), "spnAlphaD", QStringLiteral("非アクティブ時"));
    pTrans_ = Check(QStringLiteral("透過"), "cbxPTrans");
    roundMethod_ = Named(new SettingChoice({QStringLiteral("行わない"), QStringLiteral("四捨五入"),
                                            QStringLiteral("切り捨て")},
                                           {0, 1, 2}),
                         "cmbRoundM", QStringLiteral("丸め"));
    roundDigits_ = Named(new SettingSpin(kRoundDigitsRange), "spnRoundD", QStringLiteral("桁で"));
    doubleClick_ = Check(QStringLiteral("ダブルクリックで式パネル実行"), "cbxDblClickF");
    zoom_ = Named(new SettingSpin(kZoomRange), "spnZoom", QStringLiteral("倍率"));
    zoom_->setSuffix(QStringLiteral(" %"));
    zoomFit_ = Check(QStringLiteral("ウィンドウに合わせる"), "cbxZoomFit");
    manOku_ = Check(QStringLiteral("万・億表示"), "cbxManOku");
    timeColon_ = Check(QStringLiteral("時間モードの「:」で時:分:秒と読む"), "cbxTimeColon");

    auto* transparency = new QGroupBox(QStringLiteral("透過"));
    auto* transForm = new QFormLayout(transparency);
    transForm->addRow(trans_);
    auto* alpha = new QGroupBox(QStringLiteral("透過度"));
    auto* alphaForm = new QFormLayout(alpha);
    AddRow(*alphaForm, QStringLiteral("アクティブ時"), alphaActive_);
    AddRow(*alphaForm, QStringLiteral("非アクティブ時"), alphaInactive_);
    transForm->addRow(alpha);

    auto* form = new QFormLayout(page);
    AddRow(*form, QStringLiteral("ピッチ"), pitch_);
    AddRow(*form, QStringLiteral("背景色"), color_);
    form->addRow(pTrans_);
    form->addRow(transparency);
    AddRow(*form, QStringLiteral("丸め"), roundMethod_);
    AddRow(*form, QStringLiteral("桁で"), roundDigits_);
    form->addRow(doubleClick_);
    AddRow(*form, QStringLiteral("倍率"), zoom_);
    form->addRow(zoomFit_);
    form->addRow(manOku_);
    form->addRow(timeColon_);
    return page;
}

QWidget* SetPages::buildPage3() {
    panelTabs_ = Named(new QTabWidget, "pgcPanels", QStringLiteral("パネル"));
    for (std::size_t i = 0; i < kPanelKindCount; ++i) {
        const PanelKindInfo& info = kPanelKinds[i];
        panels_[i] = new PanelPage(info.kind);
        panelTabs_->addTab(panels_[i], QString::fromUtf8(info.caption.data(), info.caption.size()));
    }
    return panelTabs_;
}

void SetPages::load(const SettingsSet& set) {
    mode_->load(set.Mode);
    statusBar_->load(set.StatusBarShown() ? kStatusShown : kStatusHidden);
    titleBar_->setChecked(set.TBA);
    arrangement_->load(set.Disp);

    pitch_->load(set.Pitch);
    color_->load(set.Color_);
    trans_->setChecked(set.Trans);
    alphaActive_->load(set.AlphaA);
    alphaInactive_->load(set.AlphaD);
    pTrans_->setChecked(set.PTrans);
    roundMethod_->load(set.RoundM);
    roundDigits_->load(set.RoundD);
    doubleClick_->setChecked(set.DblClickF);
    zoom_->load(set.Zoom);
    zoomFit_->setChecked(set.ZoomFit);
    manOku_->setChecked(set.ManOku);
    timeColon_->setChecked(set.TimeColon);

    for (PanelPage* panel : panels_) panel->load(set);
}

void SetPages::store(SettingsSet& set) const {
    set.Mode = static_cast<char>(mode_->stored());
    // The value is rewritten only when the choice changes, so a hand-written
    // first character survives.
    const bool shown = statusBar_->stored() == kStatusShown;
    if (shown != set.StatusBarShown()) set.SBA = shown ? "BT" : "BF";
    set.TBA = titleBar_->isChecked();
    set.Disp = arrangement_->disp();

    set.Pitch = pitch_->stored();
    set.Color_ = color_->stored();
    set.Trans = trans_->isChecked();
    set.AlphaA = alphaActive_->stored();
    set.AlphaD = alphaInactive_->stored();
    set.PTrans = pTrans_->isChecked();
    set.RoundM = roundMethod_->stored();
    set.RoundD = roundDigits_->stored();
    set.DblClickF = doubleClick_->isChecked();
    set.Zoom = zoom_->stored();
    set.ZoomFit = zoomFit_->isChecked();
    set.ManOku = manOku_->isChecked();
    set.TimeColon = timeColon_->isChecked();

    for (const PanelPage* panel : panels_) panel->store(set);
}

}  // namespace tavrik::ui
