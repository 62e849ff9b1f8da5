#include "ui/platform/panel_font.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "settings/setting_ranges.h"

namespace tavrik::ui {

namespace {

const QString kPreferredJapaneseFamily = QStringLiteral("Noto Sans CJK JP");
// The Japanese family's upright face. Asked for by name with a bold weight,
// it is drawn emboldened by the font engine instead of opening the family's
// bold face: a second CJK face costs about 2 MB of resident memory (its file
// pages, its glyph tables and its shaping tables) for the few characters of
// a bold display, and the emboldened face looks the same at panel sizes.
const QString kUprightStyle = QStringLiteral("Regular");

// QFontDatabase::hasFamily runs fontconfig's substitution rules on every
// call, about 0.15 ms, and every panel asks for the same few names. The
// answers are kept unlocked, so this serves the GUI thread only;
// JapaneseFallbackFamily, which the start-up font thread calls, asks
// QFontDatabase directly.
bool IsInstalled(const QString& family) {
    static QHash<QString, bool> known;
    auto found = known.constFind(family);
    if (found == known.constEnd()) found = known.insert(family, QFontDatabase::hasFamily(family));
    return *found;
}

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
    if (!family.isEmpty() && IsInstalled(family))
        font.setFamilies(QStringList{family, fallback});
    else if (!fallback.isEmpty()) {
        font.setFamily(fallback);
        if (bold) font.setStyleName(kUprightStyle);
    }
    if (pointSize > 0) font.setPointSize(std::min(pointSize, kLargestFontSize));
    font.setBold(bold);
    return font;
}

QFont PanelFont(const PanelStyle& style) {
    return PanelFont(style.fontName, style.fontSize, style.fontBold);
}

}  // namespace tavrik::ui
