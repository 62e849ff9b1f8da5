#include "cli/sheet_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <iostream>

#include "cli/sheet_commands.h"

namespace tavrik::cli {

namespace {

// Editors save in several steps; the steps that come this close together
// make one change.
constexpr int kSettleMs = 50;
constexpr unsigned kChangeEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE;

class Inotify {
  public:
    Inotify() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Inotify() {
        if (fd_ >= 0) close(fd_);
    }
    Inotify(const Inotify&) = delete;
    Inotify& operator=(const Inotify&) = delete;
    int fd() const { return fd_; }

    // Reads the waiting events; true when one names `name`.
    bool namesChanged(const std::string& name) {
        alignas(inotify_event) std::array<char, 4096> buffer;
        bool named = false;
        for (;;) {
            const ssize_t length = read(fd_, buffer.data(), buffer.size());
            if (length <= 0) return named;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if (event->len > 0 && name == event->name) named = true;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

  private:
    int fd_;
};

}  // namespace

int WatchSheetFile(FormulaSheet& sheet, std::ostream& out, const std::filesystem::path& path,
                   int inputFd) {
    Inotify watch;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (watch.fd() < 0 || inotify_add_watch(watch.fd(), folder.c_str(), kChangeEvents) < 0) {
        std::cerr << "tavrik-cli: cannot watch " << folder.string() << ": " << std::strerror(errno)
                  << '\n';
        return 1;
    }
    const std::string name = path.filename().string();
    const auto print = [&] {
        PrintAnsweredSheetFile(sheet, out, path);
        out.flush();
    };
    print();
    std::array<pollfd, 2> waits{{{watch.fd(), POLLIN, 0}, {inputFd, POLLIN, 0}}};
    for (;;) {
        if (poll(waits.data(), waits.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        // A change seen together with the end of the input is still printed.
        if (waits[0].revents & POLLIN) {
            bool changed = watch.namesChanged(name);
            pollfd settle{watch.fd(), POLLIN, 0};
            while (poll(&settle, 1, kSettleMs) > 0) changed = watch.namesChanged(name) || changed;
            if (changed) print();
        }
        if (waits[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            std::array<char, 256> input;
            if (read(inputFd, input.data(), input.size()) <= 0) return 0;
        }
    }
}

}  // namespace tavrik::cli
