// The Japanese form of the texts the core reports in English: the platform's
// own failure texts that follow "エラーです" in an error box or stand in a box
// of their own (an unreadable history line), and the value reader's
// "ERROR: Convert" / "ERROR: Other". The console prints the core's
// texts as they are; the window shows every message through JapaneseMessage.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavrik {

struct CatalogueMessage {
    std::string_view english;   // as the core reports it
    std::string_view japanese;  // as the window shows it
};

// Every text with its Japanese form, the longer texts first.
std::span<const CatalogueMessage> MessageCatalogue();

// `text` with every catalogue text in it replaced by its Japanese form. A
// failure box whose failure text is in no entry (a library's own English
// text) ends in "エラー" instead, so no English sentence reaches the user.
std::string JapaneseMessage(std::string_view text);

}  // namespace tavrik
