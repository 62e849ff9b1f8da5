#include "ui/menus/menu_captions.h"

#include <QMenu>

namespace tavrik::ui {

namespace {

constexpr std::array<const char*, 5> kMenuNames{"mnuO", "mnuM", "mnuV", "mnuF", "mnuH"};
constexpr int kEnglishMenus = 1;
constexpr int kOwnMenus = 2;

}  // namespace

std::array<std::string, 5> MenuCaptions(const GlobalSettings& s) {
    switch (s.Menu) {
        case kEnglishMenus:
            return {"Ope.", "Mode", "View", "Func.", "Help"};
        case kOwnMenus:
            return {s.MenuO, s.MenuM, s.MenuV, s.MenuF, s.MenuH};
        default:
            return {"操作", "モード", "表示", "関数", "ヘルプ"};
    }
}

void ApplyMenuCaptions(QMenuBar& bar, const GlobalSettings& settings) {
    const std::array<std::string, 5> captions = MenuCaptions(settings);
    for (std::size_t i = 0; i < kMenuNames.size(); ++i) {
        if (auto* menu = bar.findChild<QMenu*>(kMenuNames[i]))
            menu->setTitle(QString::fromStdString(captions[i]));
    }
}

}  // namespace tavrik::ui
