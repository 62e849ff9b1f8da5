#include "ui/settings_dialog/user_function_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "formula/function_check.h"
#include "ui/settings_dialog/dialog_controls.h"

namespace tavrik::ui {

namespace {

std::size_t TitleIndex(int row) {
    return static_cast<std::size_t>(kFirstUserFunction + row - kNoFunction);
}

}  // namespace

UserFunctionPage::UserFunctionPage(DialogPrompt prompt, QWidget* parent)
    : QWidget(parent), prompt_(std::move(prompt)) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("表示名")), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("式")), 0, 2);
    for (int row = 0; row < kFunctions; ++row) {
        const QString number = QString::number(row + 1);
        names_[row] = new QLineEdit;
        names_[row]->setObjectName(QStringLiteral("edtFName") + number);
        names_[row]->setAccessibleName(QStringLiteral("表示名") + number);
        formulas_[row] = new QLineEdit;
        formulas_[row]->setObjectName(QStringLiteral("edtFStr") + number);
        formulas_[row]->setAccessibleName(QStringLiteral("式") + number);
        auto* check = new QPushButton(QStringLiteral("Chk"));
        check->setObjectName(QStringLiteral("btnFChk") + number);
        check->setAccessibleName(QStringLiteral("式") + number + QStringLiteral("の確認"));
        connect(check, &QPushButton::clicked, this, [this, row] { this->check(row); });
        layout->addWidget(new QLabel(number), row + 1, 0);
        layout->addWidget(names_[row], row + 1, 1);
        layout->addWidget(formulas_[row], row + 1, 2);
        layout->addWidget(check, row + 1, 3);
    }
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(kFunctions + 1, 1);
}

void UserFunctionPage::load(const GlobalSettings& settings) {
    for (int row = 0; row < kFunctions; ++row) {
        names_[row]->setText(QString::fromStdString(settings.FT[TitleIndex(row)]));
        formulas_[row]->setText(
            QString::fromStdString(settings.FStr[static_cast<std::size_t>(row)]));
    }
}

void UserFunctionPage::store(GlobalSettings& settings) const {
    for (int row = 0; row < kFunctions; ++row) {
        settings.FT[TitleIndex(row)] = names_[row]->text().toStdString();
        settings.FStr[static_cast<std::size_t>(row)] = formulas_[row]->text().toStdString();
    }
}

void UserFunctionPage::check(int row) const {
    const auto result = CheckFunctionFormula(formulas_[row]->text().toStdString());
    if (result) prompt_(result->kind, QString::fromStdString(result->message), false);
}

}  // namespace tavrik::ui
