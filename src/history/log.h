// The operation log: the key trace collected by the dispatcher and the lines
// written while logging is on.
#pragma once

#include <string>
#include <string_view>

#include "values/message_line.h"

namespace tavrik {

class Log final : public LogSink {
public:
    // "|" and the decimal code, for every code the dispatcher processes.
    void appendKeyTrace(int code);
    const std::string& pendingKeyTrace() const { return pendingKeyTrace_; }

    bool active() const { return active_; }

    // Writes the pending key trace, then the line, while logging is on.
    void WriteLog(std::string_view line) override;

private:
    std::string pendingKeyTrace_;
    bool active_ = false;
};

}  // namespace tavrik
