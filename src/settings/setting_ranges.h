// The range of every numeric setting, beside the keys of set_fields.h. The
// settings dialog offers each range in its spin box; the window and the
// console clamp a value to it where they use it, since a hand-edited file may
// hold any number and no size computed from it may overflow. The settings
// themselves keep what the file holds.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace tavrik {

struct SettingRange {
    int min;
    int max;

    constexpr int clamp(int value) const { return std::clamp(value, min, max); }
    friend constexpr bool operator==(const SettingRange&, const SettingRange&) = default;
};

// Offered by the settings dialog.
inline constexpr SettingRange kPitchRange{0, 50};          // Pitch: the panels' margin
inline constexpr SettingRange kAlphaRange{0, 255};         // AlphaA, AlphaD: 255 is opaque
inline constexpr SettingRange kRoundDigitsRange{-30, 30};  // RoundD
inline constexpr SettingRange kZoomRange{50, 400};         // Zoom, in percent
inline constexpr SettingRange kTaxRange{0, 100};           // Tax, in percent
inline constexpr int kLargestFontSize = 50;                // points
// FontSizeD; 0 leaves the font at its default size.
inline constexpr SettingRange kDisplayFontSizeRange{0, kLargestFontSize};
// FontSize of the other panels.
inline constexpr SettingRange kPanelFontSizeRange{5, kLargestFontSize};
inline constexpr SettingRange kDigitsRange{0, 100};  // Digits of each panel
inline constexpr SettingRange kKeyGapRange{0, 100};  // PitchB
// LineH (negative: the list grows with the window) and LineF.
inline constexpr SettingRange kPanelLinesRange{1, 100};
inline constexpr SettingRange kHistoryLimitRange{0, 9999};  // MaxLineH

// Saved by the window itself, in pixels: taken within the 16-bit range of
// window system coordinates.
inline constexpr SettingRange kWindowEdgeRange{-32768, 32767};  // Left, Top
// A Left or Top below this is no saved edge: the window manager places the window.
inline constexpr int kLowestSavedEdge = -999;
// GXPos, GYPos; a negative position is placed by the layout.
inline constexpr SettingRange kGuideBarPositionRange{-1, 32767};
inline constexpr SettingRange kGuideBarWidthRange{0, 32767};  // GXWidth, GYWidth
// Each coordinate and extent of a custom key placement (BoundsB).
inline constexpr SettingRange kKeyBoundRange{-10000, 10000};

// The range of a numeric key of a set or of [Tavrik], as the lists of keys
// (set_fields.h, global_fields.h) give it; nothing for any other key.
std::optional<SettingRange> RangeOfKey(std::string_view key);

}  // namespace tavrik
