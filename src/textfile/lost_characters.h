// Characters that a Shift-JIS file cannot hold: found before a save, so that
// the user is told which of them the file would lose and may keep them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// The characters of the UTF-8 text that do not come back from Shift-JIS as
// they were ("?" or another character would take their place), each once, in
// the order they first appear. A byte that starts no UTF-8 sequence counts as
// U+FFFD.
std::vector<std::string> LostCharacters(std::string_view utf8);

// The question asked before such a save: names the characters (the first
// few, when there are many) and asks whether to save all the same.
std::string LostCharactersQuestion(const std::vector<std::string>& characters);

}  // namespace tavrik
