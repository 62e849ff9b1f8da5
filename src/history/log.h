// The operation log: the key trace collected by the dispatcher and the lines
// written to the log file while logging is on.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "history/text_file.h"
#include "values/message_line.h"
#include "values/view.h"

namespace tavrik {

class Log final : public LogSink {
  public:
    // "|" and the decimal code, for every code the dispatcher processes.
    void appendKeyTrace(int code);
    std::string pendingKeyTrace() const {
        return {pendingKeyTrace_.begin(), pendingKeyTrace_.end()};
    }

    bool active() const { return file_.isOpen(); }
    // Opens (or creates) the file for appending and writes the header.
    bool start(const std::filesystem::path& path, const DateTime& now);
    // Why the last start failed to open the file.
    FileFailure openFailure() const { return file_.openFailure(); }
    void stop() { file_.close(); }

    // Called once when a line cannot be written; logging is then off.
    void onWriteFailure(std::function<void()> handler) { onWriteFailure_ = std::move(handler); }

    // Writes the pending key trace, then the line, while logging is on.
    void WriteLog(std::string_view line) override;

    // The menu caption and the window title that show the logging state.
    const char* menuCaption() const { return active() ? "ログ（終了）" : "ログ（開始）"; }
    const char* windowTitle() const { return active() ? "Tavrik *** ログ取得中 ***" : "Tavrik"; }

  private:
    // Writes the lines added to the file; on failure logging stops.
    bool write();

    // Collected from the start while logging is off too, so it can grow long:
    // a deque grows without moving what it already holds.
    std::deque<char> pendingKeyTrace_;
    AppendFile file_;
    std::function<void()> onWriteFailure_;
};

}  // namespace tavrik
