#include "ui/platform/exit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace tavrik::ui {

namespace {

constexpr std::array kExitSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe the handler writes to: [0] read by the event loop, [1] written.
int signalPipe[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a byte that will end the program.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::arrived);
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kExitSignals) {
        // A signal ignored from the start stays ignored: "nohup tavrik" must
        // outlive its terminal.
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
        handled_.push_back(signal);
    }
}

// Signals that come during the exit steps (run after the event loop ended,
// before this is destroyed) only fill the pipe: the exit runs once.
ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : handled_) ::sigaction(signal, &action, nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

// Ends every event loop that runs now, a modal box's included.
void ExitSignals::arrived() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (requested_) return;
    requested_ = true;
    QCoreApplication::exit(0);
}

}  // namespace tavrik::ui
