// Splitting a console command line into words.
#pragma once

#include <string_view>
#include <utility>

namespace tavrik::cli {

// The text before the first blank, and the rest after that blank.
inline std::pair<std::string_view, std::string_view> SplitWord(std::string_view line) {
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

}  // namespace tavrik::cli
