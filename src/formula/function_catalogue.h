// The function catalogue: a short Japanese name and a one-line description
// of every built-in function code and user-function slot. Function titles
// are user data; this table is what the program itself tells about each
// code, in the settings dialog, the key tooltips, the console and the manual.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/settings_model.h"

namespace tavrik {

struct CatalogueEntry {
    int code;
    std::string_view name;         // e.g. "平方根", "順列 nPr"
    std::string_view description;  // what it computes, its operands and domain
};

// Every entry, by rising code.
std::span<const CatalogueEntry> FunctionCatalogue();

// The entry of `code`; nothing for a code without a function.
const CatalogueEntry* FindCatalogueEntry(int code);

// "名前: 説明" of `code`; for a user function, its formula follows when it has
// one. Empty for a code without a function.
std::string FunctionHelpText(int code, const GlobalSettings& settings);

// An entry of the settings dialog's function list: "F#" + code, the title in
// brackets when it has one, then the catalogue name where the title is the
// default one (a title the user gave is shown alone).
std::string FunctionListText(const GlobalSettings& settings, int code);

}  // namespace tavrik
