// Qt's own texts in Japanese: the buttons of message boxes and the labels of
// file dialogs, whatever the user's locale.
#pragma once

class QCoreApplication;

namespace tavrik::ui {

// Sets the default locale to Japanese and installs Qt's Japanese
// translations when they are present (they are only missing when the
// translation package is not installed; the texts then stay English).
void UseJapaneseTexts(QCoreApplication& application);

}  // namespace tavrik::ui
