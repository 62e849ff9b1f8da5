// The scalar keys of the global section "[Tavrik]", in the order the save
// writes them. The visitor is called as visit(key, member, options) with a
// pointer to the GlobalSettings member; reading, writing, assigning one key
// and the ranges of the numeric keys all follow this one list.
#pragma once

#include <optional>
#include <string_view>

#include "settings/setting_ranges.h"
#include "settings/settings_model.h"

namespace tavrik {

enum class GlobalKeyWrite {
    Always,
    WhenOnOrInFile,  // added later: written only when not the default or already in the file
    Elsewhere,       // read here; the exit state writes it, or nothing does
};

struct GlobalKeyOptions {
    std::optional<SettingRange> range;
    GlobalKeyWrite write = GlobalKeyWrite::Always;
};

template <typename Visitor>
void VisitGlobalKeys(Visitor& visit) {
    using G = GlobalSettings;
    constexpr GlobalKeyOptions kReadOnly{.range = std::nullopt, .write = GlobalKeyWrite::Elsewhere};
    visit("Set", &G::Set, {});
    visit("Save", &G::Save, {});
    visit("Menu", &G::Menu, {});
    visit("MenuO", &G::MenuO, {});
    visit("MenuM", &G::MenuM, {});
    visit("MenuV", &G::MenuV, {});
    visit("MenuF", &G::MenuF, {});
    visit("MenuH", &G::MenuH, {});
    visit("HexB", &G::HexB, {});
    visit("HexA", &G::HexA, {});
    visit("Tax", &G::Tax, {.range = kTaxRange});
    visit("TaxRound", &G::TaxRound, {});
    visit("ReducedTax", &G::ReducedTax,
          {.range = kTaxRange, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("ErrCtMax", &G::ErrCtMax, {});
    visit("SaveF", &G::SaveF, kReadOnly);
    visit("TPM", &G::TPM, {});
    visit("TSR", &G::TSR, {});
    visit("KK3", &G::KK3, {});
    visit("KeepState", &G::KeepState,
          {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("RaiseRunning", &G::RaiseRunning,
          {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("BizDays", &G::BizDays, {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("FirstDay", &G::FirstDay,
          {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("Gannen", &G::Gannen, {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    visit("Holidays", &G::Holidays,
          {.range = std::nullopt, .write = GlobalKeyWrite::WhenOnOrInFile});
    // The exit state, which SaveExitState writes.
    visit("Mode", &G::Mode, kReadOnly);
    visit("Trans", &G::Trans, kReadOnly);
    visit("Width", &G::Width, kReadOnly);
    visit("Height", &G::Height, kReadOnly);
    visit("Left", &G::Left, {.range = kWindowEdgeRange, .write = GlobalKeyWrite::Elsewhere});
    visit("Top", &G::Top, {.range = kWindowEdgeRange, .write = GlobalKeyWrite::Elsewhere});
}

}  // namespace tavrik
