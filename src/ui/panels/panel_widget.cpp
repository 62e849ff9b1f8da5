#include "ui/panels/panel_widget.h"

#include <QPalette>

#include "ui/platform/system_colors.h"

namespace tavrik::ui {

PanelWidget::PanelWidget(PanelKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    const std::string_view name = InfoOf(kind).accessibleName;
    setAccessibleName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QWidget* PanelWidget::mainControl() const {
    if (!isVisible()) return nullptr;
    QWidget* first = nullptr;
    std::pair<int, int> firstPlace;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible() ||
            !control->isEnabled())
            continue;
        const QPoint at = control->mapTo(this, QPoint(0, 0));
        const std::pair place{at.y(), at.x()};
        if (!first || place < firstPlace) first = control, firstPlace = place;
    }
    return first;
}

void PanelWidget::applyStyle(const PanelStyle& style) {
    paintBackground(*this, style.color);
}

void PanelWidget::applyStyle(QWidget& area, const PanelStyle& style) {
    QPalette palette = area.palette();
    if (const QColor back = ToQColor(style.backColor); back.isValid())
        palette.setColor(QPalette::Base, back);
    if (const QColor text = ToQColor(style.fontColor); text.isValid())
        palette.setColor(QPalette::Text, text);
    area.setPalette(palette);
}

void PanelWidget::paintBackground(QWidget& widget, Color color) {
    const QColor qcolor = ToQColor(color);
    if (!qcolor.isValid()) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, qcolor);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void PanelWidget::setHelp(QWidget& control, const QString& help) {
    control.setToolTip(help);
    control.setAccessibleDescription(help);
}

void PanelWidget::setTextColor(QWidget& widget, Color color) {
    const QColor qcolor = ToQColor(color);
    if (!qcolor.isValid()) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    widget.setPalette(palette);
}

}  // namespace tavrik::ui
