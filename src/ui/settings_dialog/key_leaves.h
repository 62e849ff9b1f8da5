// The calculator keys of the "キー" tree of the settings dialog, in groups.
#pragma once

#include <span>
#include <string_view>

namespace tavrik::ui {

struct KeyLeaf {
    std::string_view caption;
    int code;  // the ButtonCode the leaf edits
};

struct KeyGroup {
    std::string_view caption;
    std::span<const KeyLeaf> leaves;
};

std::span<const KeyGroup> KeyGroups();

// The caption of the leaf of `code`; empty when no leaf edits it.
std::string_view KeyLeafCaption(int code);

}  // namespace tavrik::ui
