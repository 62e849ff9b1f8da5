#include "ui/settings_dialog/color_names.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavrik::ui {

namespace {

using Name = std::pair<std::string_view, std::string_view>;

constexpr std::array kNames{
    Name{"clBlack", "黒"},
    Name{"clMaroon", "栗色"},
    Name{"clGreen", "緑"},
    Name{"clOlive", "オリーブ"},
    Name{"clNavy", "紺"},
    Name{"clPurple", "紫"},
    Name{"clTeal", "青緑"},
    Name{"clGray", "灰色"},
    Name{"clSilver", "銀色"},
    Name{"clRed", "赤"},
    Name{"clLime", "黄緑"},
    Name{"clYellow", "黄"},
    Name{"clBlue", "青"},
    Name{"clFuchsia", "赤紫"},
    Name{"clAqua", "水色"},
    Name{"clWhite", "白"},
    Name{"clMoneyGreen", "薄い緑"},
    Name{"clSkyBlue", "空色"},
    Name{"clCream", "クリーム色"},
    Name{"clMedGray", "中間の灰色"},
    Name{"clScrollBar", "システム: スクロールバー"},
    Name{"clBackground", "システム: デスクトップ"},
    Name{"clActiveCaption", "システム: アクティブなタイトルバー"},
    Name{"clInactiveCaption", "システム: 非アクティブなタイトルバー"},
    Name{"clMenu", "システム: メニューの背景"},
    Name{"clWindow", "システム: ウィンドウの背景"},
    Name{"clWindowFrame", "システム: ウィンドウの枠"},
    Name{"clMenuText", "システム: メニューの文字"},
    Name{"clWindowText", "システム: ウィンドウの文字"},
    Name{"clCaptionText", "システム: タイトルバーの文字"},
    Name{"clActiveBorder", "システム: アクティブな境界"},
    Name{"clInactiveBorder", "システム: 非アクティブな境界"},
    Name{"clAppWorkSpace", "システム: 作業領域"},
    Name{"clHighlight", "システム: 選択部分の背景"},
    Name{"clHighlightText", "システム: 選択部分の文字"},
    Name{"clBtnFace", "システム: ボタンの表面"},
    Name{"clBtnShadow", "システム: ボタンの影"},
    Name{"clGrayText", "システム: 無効な文字"},
    Name{"clBtnText", "システム: ボタンの文字"},
    Name{"clInactiveCaptionText", "システム: 非アクティブなタイトルバーの文字"},
    Name{"clBtnHighlight", "システム: ボタンの明るい縁"},
    Name{"cl3DDkShadow", "システム: 立体の濃い影"},
    Name{"cl3DLight", "システム: 立体の明るい面"},
    Name{"clInfoText", "システム: ヒントの文字"},
    Name{"clInfoBk", "システム: ヒントの背景"},
    Name{"clHotLight", "システム: リンクの文字"},
    Name{"clGradientActiveCaption", "システム: アクティブなタイトルバーのグラデーション"},
    Name{"clGradientInactiveCaption", "システム: 非アクティブなタイトルバーのグラデーション"},
    Name{"clMenuHighlight", "システム: メニューの選択部分"},
    Name{"clMenuBar", "システム: メニューバー"},
    Name{"clNone", "なし"},
    Name{"clDefault", "既定の色"},
};

}  // namespace

QString JapaneseColorName(std::string_view identifier) {
    const auto found =
        std::ranges::find(kNames, identifier, [](const Name& name) { return name.first; });
    const std::string_view name = found != kNames.end() ? found->second : identifier;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace tavrik::ui
