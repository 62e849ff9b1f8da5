// The manual pages made from the program's own tables at build time: the
// function catalogue, and the keyboard page from the starter file's key table.
#pragma once

#include <string>

#include "settings/key_assignment.h"

namespace tavrik::cli {

// "functions.html": one row per catalogue entry.
std::string FunctionCataloguePage();

// "keyboard.html": one row per key that `keys` assigns in any mode, with what
// it does in each mode.
std::string KeyboardPage(const KeyTable& keys);

}  // namespace tavrik::cli
