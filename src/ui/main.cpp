// Tavrik, the desktop calculator.
#include <QApplication>

#include "ui/calculator_app.h"
#include "ui/settings_source.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrik"));
    tavrik::ui::CalculatorApp tavrik(tavrik::ui::OpenStartupSettingsFile());
    tavrik.window().show();
    return QApplication::exec();
}
