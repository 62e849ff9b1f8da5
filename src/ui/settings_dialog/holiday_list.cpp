#include "ui/settings_dialog/holiday_list.h"

#include <QGridLayout>

#include "ui/settings_dialog/dialog_controls.h"
#include "values/calendar.h"
#include "values/office_calendar.h"

namespace tavrik::ui {

namespace {

// The form the settings file and the list write a date in.
const QString kDateFormat = QStringLiteral("yyyy/MM/dd");

}  // namespace

HolidayList::HolidayList(QWidget* parent)
    : QWidget(parent),
      list_(Named(new QListWidget, "lstHolidays", QStringLiteral("休業日"))),
      date_(Named(new QDateEdit(QDate::currentDate()), "dteHoliday",
                  QStringLiteral("追加する休業日"))),
      add_(Named(new QPushButton(QStringLiteral("追加")), "btnHolidayAdd",
                 QStringLiteral("休業日を追加"))),
      delete_(Named(new QPushButton(QStringLiteral("削除")), "btnHolidayDelete",
                    QStringLiteral("休業日を削除"))) {
    date_->setDisplayFormat(kDateFormat);
    date_->setCalendarPopup(true);
    // The years the calendar counts dates in.
    date_->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 0, 0, 3, 1);
    layout->addWidget(date_, 0, 1);
    layout->addWidget(add_, 1, 1);
    layout->addWidget(delete_, 2, 1);
    connect(add_, &QPushButton::clicked, this, &HolidayList::addDate);
    connect(delete_, &QPushButton::clicked, this, &HolidayList::deleteDate);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { delete_->setEnabled(row >= 0); });
    delete_->setEnabled(false);
}

void HolidayList::load(const std::string& text) {
    loaded_ = text;
    changed_ = false;
    list_->clear();
    for (const int value : ReadHolidayList(text)) {
        const CivilDate date = CivilDateOf(value);
        list_->addItem(QDate(date.year, date.month, date.day).toString(kDateFormat));
    }
}

std::string HolidayList::stored() const {
    if (!changed_) return loaded_;
    QStringList dates;
    for (int row = 0; row < list_->count(); ++row) dates << list_->item(row)->text();
    return dates.join(u',').toStdString();
}

// The list stays in date order, which the fixed-width text keeps.
void HolidayList::addDate() {
    const QString text = date_->date().toString(kDateFormat);
    int row = 0;
    while (row < list_->count() && list_->item(row)->text() < text) ++row;
    if (row == list_->count() || list_->item(row)->text() != text) {
        list_->insertItem(row, text);
        changed_ = true;
    }
    list_->setCurrentRow(row);
}

void HolidayList::deleteDate() {
    const int row = list_->currentRow();
    if (row < 0) return;
    delete list_->takeItem(row);
    changed_ = true;
}

}  // namespace tavrik::ui
