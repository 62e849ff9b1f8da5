// The per-mode history lists and the one operation that appends a line.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "values/value_context.h"
#include "values/view.h"

namespace tavrik {

enum HistoryLineKind : int { kAcLine = 0, kValueLine = 1, kOperationLine = 2 };

inline constexpr std::string_view kAcLineText = "--- AC ---";

// A line without the number ("12: ") the list put before it; an unnumbered
// line as it is.
std::string_view WithoutLineNumber(std::string_view line);

// The line counter goes back to 1 after this number, far from the end of an
// int; a kept file with a larger counter is damaged.
inline constexpr int kMaxLineCounter = 999'999'999;

// The lines of one list. A deque grows without moving the lines it holds, so
// no single append has to copy a long history.
using HistoryLines = std::deque<std::string>;

// What the calculator showed after the key that wrote a line ("=", "%", a
// tax or function key): shown beside the line, never written to its file.
struct LineResult {
    std::string shown;  // empty for other lines and for lines read from a file
    // The value an "=" line adds to the grand total.
    std::optional<long double> total;
};
using LineResults = std::deque<LineResult>;

struct HistoryList {
    HistoryLines lines;
    LineResults results;  // one beside each line
    int selected = -1;    // index of the selected line, -1 none
    int counter = 0;      // the line counter of this mode
};

class History {
  public:
    explicit History(View& view) : view_(view) {}

    // MaxLineH (6 or more limits the list) and LNoTypeH of the set in force.
    void setOptions(int maxLines, int numbering) {
        maxLines_ = maxLines;
        numbering_ = numbering;
    }
    int numbering() const { return numbering_; }

    void setCurrentMode(CalcMode mode);
    CalcMode currentMode() const { return mode_; }
    HistoryList& current() { return lists_[static_cast<std::size_t>(ModeIndex(mode_))]; }
    const HistoryList& current() const {
        return lists_[static_cast<std::size_t>(ModeIndex(mode_))];
    }
    const HistoryList& list(CalcMode mode) const {
        return lists_[static_cast<std::size_t>(ModeIndex(mode))];
    }

    // The recording switch: lines are recorded only while it is on.
    bool recording() const { return recording_; }
    void setRecording(bool on);

    // Appends one line of the given kind to the current list, numbered as
    // LNoTypeH says; false when recording is off or the list is full.
    bool AddHList(std::string_view text, int kind);
    // Whether the last line appended waits for the result of its key, and
    // whether that line is an "=" line.
    bool awaitingResult() const { return awaitingResult_; }
    bool awaitingEquals() const;
    // The key that wrote that line has ended: the line takes the result; a
    // key that failed leaves it none.
    void settleResult(std::string_view shown, std::optional<long double> total);
    void dropAwaitingResult() { awaitingResult_ = false; }

    void select(int index);

    // Puts back a list kept from an earlier run, with its line counter.
    void restore(CalcMode mode, HistoryLines lines, int counter);

    // Removes every line of the current list and restarts its numbering.
    void clear();
    // Drops the lines after the first `count` of the current list (undoing
    // the keys that wrote them), with their results.
    void truncate(std::size_t count, int counter, int selected);
    // Appends lines with their results, as the keys that wrote them did.
    void append(const HistoryLines& lines, const LineResults& results, int counter);

    // Deletes the selected line, then any AC line left at the top of the list
    // or directly after another AC line. AC lines cannot be deleted directly.
    void deleteSelected();

    // The "↓" check: replay moves the selection down one line.
    bool moveDown() const { return moveDown_; }
    void setMoveDown(bool on) {
        moveDown_ = on;
        view_.changed(kHistoryChanged);
    }

  private:
    View& view_;
    std::array<HistoryList, 4> lists_;
    CalcMode mode_ = CalcMode::Decimal;
    bool recording_ = true;
    bool moveDown_ = true;
    int maxLines_ = 0;
    int numbering_ = 0;
    // The last line appended waits for the result its key shows.
    bool awaitingResult_ = false;
};

}  // namespace tavrik
