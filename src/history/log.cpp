#include "history/log.h"

#include <charconv>

namespace tavrik {

void Log::appendKeyTrace(int code) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, code);
    pendingKeyTrace_ += '|';
    pendingKeyTrace_.append(digits, end);
}

void Log::WriteLog(std::string_view) {
    if (!active_) return;
    pendingKeyTrace_.clear();
}

}  // namespace tavrik
