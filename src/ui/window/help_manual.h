// The HTML manual opened by "Help": found where it is installed beside the
// program, or in the source tree of a build that was never installed.
#pragma once

#include <QString>
#include <QStringList>

namespace tavrik::ui {

inline constexpr const char* kNoManualReason = "ヘルプ（マニュアル）が見つかりません";

// The places looked in, first match wins: <exeDir>/../share/tavrik/manual,
// <exeDir>/manual, then the source tree's docs/manual.
QStringList ManualFolders(const QString& exeDir);

// The manual's start page in the first folder that has one; empty when none has.
QString FindManual(const QStringList& folders);

// Opens `page` with the desktop's handler for HTML; false when that failed.
bool OpenManual(const QString& page);

}  // namespace tavrik::ui
