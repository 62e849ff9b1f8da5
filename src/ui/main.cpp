// Tavrik, the desktop calculator.
#include <QApplication>

#include "ui/calculator_app.h"
#include "ui/settings_source.h"
#include "ui/window_behaviours.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrik"));
    tavrik::SettingsFile settingsFile = tavrik::ui::OpenStartupSettingsFile();
    const bool caption = settingsFile.ReadCaptionFlag();
    tavrik::ui::CalculatorApp tavrik(std::move(settingsFile));
    // Decided before the first show, so the window never appears with a caption bar.
    tavrik.window().behaviours().setCaptionFlag(caption);
    tavrik.window().show();
    return QApplication::exec();
}
