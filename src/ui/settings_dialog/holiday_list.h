// "休業日": the user's own days off, edited as a list of dates. Dates are
// added from a date box, so every one the list holds is a valid date; the
// text loaded from the settings is kept as it was until the list changes.
#pragma once

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace tavrik::ui {

class HolidayList final : public QWidget {
  public:
    explicit HolidayList(QWidget* parent = nullptr);
    // "2024/12/30,2024/12/31": the dates it names are listed, in order;
    // entries that are no date are not.
    void load(const std::string& text);
    std::string stored() const;

    // "追加": the date of the date box joins the list (once).
    void addDate();
    // "削除": the selected date leaves the list.
    void deleteDate();

  private:
    QListWidget* list_;
    QDateEdit* date_;
    QPushButton* add_;
    QPushButton* delete_;
    std::string loaded_;
    bool changed_ = false;  // a date was added or deleted since loading
};

}  // namespace tavrik::ui
