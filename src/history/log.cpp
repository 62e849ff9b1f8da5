#include "history/log.h"

#include <charconv>

#include "history/history_file.h"

namespace tavrik {

void Log::appendKeyTrace(int code) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, code);
    pendingKeyTrace_.push_back('|');
    pendingKeyTrace_.insert(pendingKeyTrace_.end(), digits, end);
}

bool Log::start(const std::filesystem::path& path, const DateTime& now) {
    if (!file_.open(path)) return false;
    if (file_.writeLine("*** Tavrik ログ (" + TimestampText(now) + ")")) return true;
    file_.close();
    return false;
}

bool Log::write() {
    if (file_.write()) return true;
    file_.close();
    if (onWriteFailure_) onWriteFailure_();
    return false;
}

void Log::WriteLog(std::string_view line) {
    if (!active()) return;
    // The key trace and the line reach the file in one write.
    if (!pendingKeyTrace_.empty()) file_.addLine(pendingKeyTrace());
    file_.addLine(line);
    if (write()) pendingKeyTrace_.clear();
}

}  // namespace tavrik
