// What every stage of the formula pipeline (normalise, tokenise, postfix,
// evaluate) reports besides its result: where it failed.
#pragma once

#include <cstddef>
#include <limits>

namespace tavrik {

// The error position of a stage that did not fail.
inline constexpr std::size_t kNoError = std::numeric_limits<std::size_t>::max();

}  // namespace tavrik
