#include "ui/menus/menu_captions.h"

#include <QMenu>

namespace tavrik::ui {

namespace {

constexpr std::array<const char*, 5> kMenuNames{"mnuO", "mnuM", "mnuV", "mnuF", "mnuH"};
constexpr int kEnglishMenus = 1;
constexpr int kOwnMenus = 2;
// Access letters of the five menus (Alt+O opens 操作 …), the same in every caption set.
constexpr std::array<char, 5> kAccessLetters{'O', 'M', 'V', 'F', 'H'};

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

QString WithAccessLetter(const std::string& caption, char letter) {
    const QString text = QString::fromStdString(caption);
    if (text.isEmpty() || text.contains(u'&')) return text;
    // An English caption marks its own first letter; any other caption gets
    // the letter in brackets after it, as Japanese menus do.
    if (text.front().toUpper() == QChar(letter)) return QStringLiteral("&") + text;
    return text + QStringLiteral("(&%1)").arg(QChar(letter));
}

void ApplyMenuCaptions(QMenuBar& bar, const GlobalSettings& settings) {
    const std::array<std::string, 5> captions = MenuCaptions(settings);
    for (std::size_t i = 0; i < kMenuNames.size(); ++i) {
        if (auto* menu = bar.findChild<QMenu*>(kMenuNames[i]))
            menu->setTitle(WithAccessLetter(captions[i], kAccessLetters[i]));
    }
}

}  // namespace tavrik::ui
