// Controls of the settings dialog bound to one settings value each. A value
// the control cannot show (out of its range, not among its choices) is kept
// as loaded unless the user changes the control, so that opening the dialog
// and confirming it leaves the settings as they were.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "settings/setting_ranges.h"
#include "settings/settings_model.h"

namespace tavrik::ui {

// Gives the widget its object name and its accessible name.
template <class W>
W* Named(W* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

// Adds a captioned row whose label is the control's buddy (Alt shortcut and
// accessible name in one).
void AddRow(QFormLayout& form, const QString& caption, QWidget* control);

class SettingSpin final : public QSpinBox {
  public:
    explicit SettingSpin(SettingRange range, QWidget* parent = nullptr);
    void load(int value);
    int stored() const;

  private:
    int loaded_ = 0;
};

// A drop-down list whose entries stand for the given values.
class SettingChoice final : public QComboBox {
  public:
    SettingChoice(const QStringList& captions, std::vector<int> values, QWidget* parent = nullptr);
    void load(int value);
    int stored() const;

  private:
    std::vector<int> values_;
    int loaded_ = 0;
};

// The last entry of a colour box, which opens the colour picker.
inline constexpr const char* kOtherColorCaption = "その他の色…";
// An unnamed colour's entry: this and "#RRGGBB".
inline constexpr const char* kOwnColorCaption = "指定の色 ";

// A colour box: the named colours of the settings file under Japanese names,
// each with a swatch, the loaded colour when it has no name, and "その他の色…"
// for any other colour. The settings file gets a colour's name where it has
// one, otherwise its hexadecimal form.
class ColorPicker final : public QComboBox {
  public:
    explicit ColorPicker(QWidget* parent = nullptr);
    void load(Color color);
    Color stored() const;
    // Adds a colour chosen by the user and selects it.
    void choose(Color color);

  private:
    void chooseOther();
    int chooserIndex_ = 0;
};

// The fonts installed on the system; a loaded name that is not installed stays as it is.
class FontPicker final : public QComboBox {
  public:
    explicit FontPicker(QWidget* parent = nullptr);
    void load(const std::string& name);
    std::string stored() const;
};

}  // namespace tavrik::ui
