// The About box `TavrikV`: the program's name and icon, its version and the
// date its program file was last changed, with one OK button.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tavrik::ui {

// The version the build gives: CMake's project(VERSION), as in tavrik-cli
// --version, the package and the metainfo.
inline constexpr const char* kVersionLine = "Version " TAVRIK_VERSION;
// The window title.
inline constexpr const char* kAboutTitle = "バージョン情報";

class AboutBox final : public QDialog {
  public:
    explicit AboutBox(QWidget* parent);

    // Shows the box modally, centred on `owner`.
    void execCentredOn(const QWidget& owner);
    // Shows the box modally with its OK button under the mouse pointer.
    void execAtPointer();

  private:
    QPushButton* ok_;
};

// "LastUpDate: " with the program file's modification date as yyyy/m/d.
QString UpdateLine();

// The box's top-left corner that brings the OK button's centre (at
// `okCentre` inside the box) to `pointer`; a box whose right edge would pass
// the screen width goes to screen width − box width − 10.
QPoint AboutBoxAtPointer(QPoint pointer, QPoint okCentre, QSize box, int screenWidth);

}  // namespace tavrik::ui
