#include "ui/panel_font.h"
#include "ui/layout_limits.h"

#include <QFontDatabase>
#include <QStringList>

namespace tavrik::ui {

namespace {

const QString kJapaneseFallback = QStringLiteral("Noto Sans CJK JP");

}  // namespace

QFont PanelFont(const std::string& name, int pointSize, bool bold) {
    const QString family = QString::fromStdString(name);
    QFont font;
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        font.setFamilies(QStringList{family, kJapaneseFallback});
    else
        font.setFamily(kJapaneseFallback);
    if (pointSize > 0) font.setPointSize(LayoutFontSize(pointSize));
    font.setBold(bold);
    return font;
}

}  // namespace tavrik::ui
