#include "ui/settings_source.h"

#include <QCoreApplication>
#include <filesystem>

#include "settings/settings_location.h"

namespace tavrik::ui {

SettingsFile OpenStartupSettingsFile() {
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    return SettingsFile(LocateSettingsFile(exeDir), LocateStarterFile(exeDir));
}

}  // namespace tavrik::ui
