#include "cli/sheet_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

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

    // Watches `file` by its folder, so that a save by renaming counts too.
    bool add(const std::filesystem::path& file) {
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        const int wd = inotify_add_watch(fd_, folder.c_str(), kChangeEvents);
        if (wd < 0) {
            std::cerr << "tavrik-cli: cannot watch " << folder.string() << ": "
                      << std::strerror(errno) << '\n';
            return false;
        }
        watched_.push_back({wd, file.filename().string()});
        return true;
    }

    // Reads the waiting events; true when one names a watched file.
    bool filesChanged() {
        alignas(inotify_event) std::array<char, 4096> buffer;
        bool named = false;
        for (;;) {
            const ssize_t length = read(fd_, buffer.data(), buffer.size());
            if (length <= 0) return named;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if (event->len > 0 && names(event->wd, event->name)) named = true;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

  private:
    struct Watched {
        int wd;
        std::string name;
    };
    bool names(int wd, std::string_view name) const {
        return std::any_of(watched_.begin(), watched_.end(),
                           [&](const Watched& w) { return w.wd == wd && w.name == name; });
    }

    int fd_;
    std::vector<Watched> watched_;
};

// The file a symbolic link leads to, which may live in another folder; empty
// for a file that is no link.
std::filesystem::path LinkTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return {};
    std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? std::filesystem::path() : target;
}

}  // namespace

int WatchSheetFile(FormulaSheet& sheet, std::ostream& out, const std::filesystem::path& path,
                   int inputFd) {
    // A closed standard input would hand its number to the first descriptor
    // opened here; such a number is never read as the input.
    const bool inputOpen = fcntl(inputFd, F_GETFD) != -1;
    Inotify watch;
    if (watch.fd() < 0) {
        std::cerr << "tavrik-cli: cannot watch: " << std::strerror(errno) << '\n';
        return 1;
    }
    if (!watch.add(path)) return 1;
    // Changes to a link's target are saved in the target's folder.
    if (const std::filesystem::path target = LinkTarget(path);
        !target.empty() && !watch.add(target))
        return 1;
    const auto print = [&] {
        PrintAnsweredSheetFile(sheet, out, path);
        out.flush();
    };
    print();
    // poll() passes over a negative descriptor: without an input the watch
    // goes on until Ctrl+C.
    std::array<pollfd, 2> waits{{{watch.fd(), POLLIN, 0}, {inputOpen ? inputFd : -1, POLLIN, 0}}};
    for (;;) {
        if (poll(waits.data(), waits.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        // A change seen together with the end of the input is still printed.
        if (waits[0].revents & POLLIN) {
            bool changed = watch.filesChanged();
            pollfd settle{watch.fd(), POLLIN, 0};
            while (poll(&settle, 1, kSettleMs) > 0) changed = watch.filesChanged() || changed;
            if (changed) print();
        }
        if (waits[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            std::array<char, 256> input;
            if (read(inputFd, input.data(), input.size()) <= 0) return 0;
        }
    }
}

}  // namespace tavrik::cli
