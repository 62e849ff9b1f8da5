#include "cli/console_view.h"

namespace tavrik::cli {

std::string EscapeLineBreaks(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

void ConsoleView::beep() {
    out_ << "beep\n";
}

bool ConsoleView::messageBox(BoxKind, std::string_view text) {
    out_ << "box: " << EscapeLineBreaks(text) << '\n';
    return true;
}

void ConsoleView::setClipboard(std::string_view text) {
    out_ << "clipboard: " << EscapeLineBreaks(text) << '\n';
    clipboard_ = text;
}

}  // namespace tavrik::cli
