#include "ui/panel_font.h"
#include "ui/layout_limits.h"

#include <QFontDatabase>
#include <QStringList>

namespace tavrik::ui {

namespace {

const QString kPreferredJapaneseFamily = QStringLiteral("Noto Sans CJK JP");

}  // namespace

QString JapaneseFallbackFamily() {
    static const QString family = [] {
        if (QFontDatabase::hasFamily(kPreferredJapaneseFamily)) return kPreferredJapaneseFamily;
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        return japanese.isEmpty() ? QString() : japanese.front();
    }();
    return family;
}

QFont PanelFont(const std::string& name, int pointSize, bool bold) {
    const QString family = QString::fromStdString(name);
    const QString fallback = JapaneseFallbackFamily();
    QFont font;
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        font.setFamilies(QStringList{family, fallback});
    else if (!fallback.isEmpty())
        font.setFamily(fallback);
    if (pointSize > 0) font.setPointSize(LayoutFontSize(pointSize));
    font.setBold(bold);
    return font;
}

}  // namespace tavrik::ui
