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

// Every whole text with its Japanese form.
std::span<const CatalogueMessage> MessageCatalogue();

// The Japanese form of a message: a catalogue text, or an unreadable history
// token's message, is translated; in a failure box ("エラーです" or
// "*** エラー ***" and the failure's text as its last line) only that last
// line is, and one in no entry (a library's own English text) becomes
// "エラー", so no English sentence reaches the user. Any other text, and the
// user's own text inside a message (a path, a set name, a history token),
// stays as it is.
std::string JapaneseMessage(std::string_view text);

}  // namespace tavrik
