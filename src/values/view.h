// The two seams through which the core reaches the world: the view (the main
// window, the console or a test double) and the clock.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

enum class BoxKind { Error, Warning, Information, Confirmation };

// Parts of the window whose content the core keeps; the view re-reads the
// named models when told that they changed.
enum ViewChange : unsigned {
    kDisplayChanged = 1u << 0,
    kStatusChanged = 1u << 1,
    kKeypadChanged = 1u << 2,
    kMemoryChanged = 1u << 3,
    kHistoryChanged = 1u << 4,
    kModeChanged = 1u << 5,
    kSheetChanged = 1u << 6,
    kLogChanged = 1u << 7,
};

class View {
  public:
    virtual ~View() = default;

    // Models named by the ViewChange bits have new content.
    virtual void changed(unsigned changes) = 0;
    virtual void beep() = 0;
    // A modal box; true when it was answered OK (confirmations only can be refused).
    virtual bool messageBox(BoxKind kind, std::string_view text) = 0;
    virtual void setClipboard(std::string_view text) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual std::string clipboardText() { return {}; }
    virtual bool statusBarVisible() const = 0;
    // Re-apply the status-bar command of the view menu with its current check.
    virtual void reapplyStatusBar() = 0;
};

// A view that shows nothing and answers every question with its default:
// for runs without a window or console (benchmarks, fuzzing).
class NullView : public View {
  public:
    void changed(unsigned) override {}
    void beep() override {}
    bool messageBox(BoxKind, std::string_view) override { return true; }
    void setClipboard(std::string_view) override {}
    bool statusBarVisible() const override { return true; }
    void reapplyStatusBar() override {}
};

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// The local time of the machine.
class SystemClock final : public Clock {
  public:
    DateTime now() const override;
};

// A clock that always reads the same time (console `now`, tests).
class FixedClock final : public Clock {
  public:
    explicit FixedClock(DateTime time) : time_(time) {}
    DateTime now() const override { return time_; }
    void set(DateTime time) { time_ = time; }

  private:
    DateTime time_;
};

}  // namespace tavrik
