#include "ui/settings_source.h"

#include <QCoreApplication>
#include <filesystem>

#include "settings/settings_file.h"
#include "settings/settings_location.h"

namespace tavrik::ui {

GlobalSettings LoadStartupSettings() {
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    SettingsFile file(LocateSettingsFile(exeDir), LocateStarterFile(exeDir));
    return file.Load(GlobalSettings{});
}

}  // namespace tavrik::ui
