// Tavrik, the desktop calculator. Start-up in order: one copy only, the
// display connected while fonts are set up beside it, Qt's texts in
// Japanese, the caption flag, then the window built from the
// settings; at exit the calculator closes its log and saves its state.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <malloc.h>

#include "ui/platform/font_warm_up.h"
#include "ui/platform/japanese_ui.h"
#include "ui/platform/single_instance.h"
#include "ui/window/calculator_app.h"
#include "ui/window/settings_source.h"
#include "ui/window/window_behaviours.h"

namespace {

// One heap for every thread: the font thread's allocations would otherwise
// open a second heap of their own (about 0.2 MB more resident memory).
constexpr int kMallocArenas = 1;

// Sizes rendered from data/icons/tavrik.svg, compiled in as resources. Every
// size is decoded for the window manager, so larger ones would cost memory.
constexpr int kIconSizes[] = {16, 32, 48, 64};

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : kIconSizes) icon.addFile(QStringLiteral(":/icons/tavrik-%1.png").arg(size));
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    mallopt(M_ARENA_MAX, kMallocArenas);
    // A second copy ends at once, before it connects to the display: no
    // window, no message.
    QCoreApplication::setApplicationName(QStringLiteral("Tavrik"));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRIK_APP_ID));
    const tavrik::ui::SingleInstanceLock instance;
    if (!instance.acquired()) return 0;
    // Copies of another session or runtime folder would still share the settings.
    tavrik::SettingsFile settingsFile = tavrik::ui::OpenStartupSettingsFile();
    const tavrik::ui::SingleInstanceLock settingsUser(
        tavrik::ui::SingleInstanceLock::SettingsPath(settingsFile.Path()));
    if (!settingsUser.acquired()) return 0;
    // Fonts are set up on a thread of their own while Qt connects to the
    // display and the window is built.
    tavrik::ui::FontWarmUp fonts;
    QApplication application(argc, argv);
    fonts.applicationReady();

    tavrik::ui::UseJapaneseTexts(application);

    const bool caption = settingsFile.ReadCaptionFlag();
    tavrik::ui::CalculatorApp tavrik(std::move(settingsFile));
    // Decided before the first show, so the window never appears with a caption bar.
    tavrik.window().behaviours().setCaptionFlag(caption);
    fonts.wait();
    tavrik.window().show();
    // The icon is decoded once the event loop runs: mapping the window does
    // not wait for it, and the window manager picks it up right after.
    QTimer::singleShot(0, &application, [] { QApplication::setWindowIcon(ApplicationIcon()); });
    return QApplication::exec();
}
