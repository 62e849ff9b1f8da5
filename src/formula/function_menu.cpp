#include "formula/function_menu.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kGroups = 10;
constexpr int kSlotsPerGroup = 6;

bool GroupHasFunction(const GlobalSettings& settings, int group) {
    for (int slot = 0; slot < kSlotsPerGroup; ++slot) {
        const int code = settings.F[static_cast<std::size_t>(group * kSlotsPerGroup + slot)];
        if (!settings.FunctionTitle(code).empty()) return true;
    }
    return false;
}

}  // namespace

int FunctionMenu::checkedTag() const {
    const auto item = std::find_if(items.begin(), items.end(),
                                   [](const FunctionMenuItem& i) { return i.checked; });
    return item == items.end() ? -1 : item->tag;
}

FunctionMenu RebuildFunctionMenu(const GlobalSettings& settings, const FunctionMenu& current) {
    const int checked = current.checkedTag();
    FunctionMenu menu;
    for (int group = 0; group < kGroups; ++group) {
        if (!GroupHasFunction(settings, group)) continue;
        menu.items.push_back(
            {settings.FName[static_cast<std::size_t>(group)] + " ", group, group == checked});
    }
    menu.enabled = !menu.items.empty();
    return menu;
}

bool CheckFunctionGroup(FunctionMenu& menu, CalcMode mode, int tag) {
    if (!FunctionMenuVisible(mode)) return false;
    const auto clicked = std::find_if(menu.items.begin(), menu.items.end(),
                                      [tag](const FunctionMenuItem& i) { return i.tag == tag; });
    if (clicked == menu.items.end() || clicked->checked) return false;
    for (FunctionMenuItem& item : menu.items) item.checked = &item == &*clicked;
    return true;
}

}  // namespace tavrik
