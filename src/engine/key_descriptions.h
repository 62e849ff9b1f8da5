// What each calculator key does, as the short Japanese text that its tooltip
// and its accessible description show, and the manual's key page lists.
#pragma once

#include <string>
#include <string_view>

#include "engine/keypad_face.h"
#include "settings/settings_model.h"
#include "values/value_context.h"

namespace tavrik {

// What the key with `code` (1 … 37, then the key-table-only codes) does in
// `mode`; empty for any other code. Keys A … F in decimal mode carry
// functions instead: see KeyDescription.
std::string_view FixedKeyDescription(CalcMode mode, int code);

// What a key of the keypad does now: the catalogue entry of its function for
// a function key, else its fixed description, or that the mode does not use it.
std::string KeyDescription(CalcMode mode, const KeyFace& face, const GlobalSettings& settings);

// The text of a key's tooltip and accessible description: its full caption,
// " — " and its description ("√ — 平方根: x の平方根 (x ≥ 0)"); the
// description alone for a key without a caption.
std::string KeyHelpText(const KeyFace& face);

}  // namespace tavrik
