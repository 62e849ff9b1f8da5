#include "history/log.h"

#include <charconv>

#include "history/history_file.h"

namespace tavrik {

void Log::appendKeyTrace(int code) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, code);
    pendingKeyTrace_ += '|';
    pendingKeyTrace_.append(digits, end);
}

bool Log::start(const std::filesystem::path& path, const DateTime& now) {
    if (!file_.open(path)) return false;
    if (file_.writeLine("*** Tavrik ログ (" + TimestampText(now) + ")")) return true;
    file_.close();
    return false;
}

bool Log::write(std::string_view line) {
    if (file_.writeLine(line)) return true;
    file_.close();
    if (onWriteFailure_) onWriteFailure_();
    return false;
}

void Log::WriteLog(std::string_view line) {
    if (!active()) return;
    if (!pendingKeyTrace_.empty()) {
        if (!write(pendingKeyTrace_)) return;
        pendingKeyTrace_.clear();
    }
    write(line);
}

}  // namespace tavrik
