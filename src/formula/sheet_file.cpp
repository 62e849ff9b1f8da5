// The sheet's file commands: plain lines in Shift-JIS with CR LF line ends.
#include "engine/calculator.h"
#include "formula/formula_sheet.h"
#include "formula/sheet_text.h"
#include "settings/cp932.h"
#include "settings/file_io.h"

namespace tavrik {

bool FormulaSheet::WriteFormulaFile() {
    View& view = calc_.view();
    const auto path = view.askPath(FileDialogKind::Save, "ファイル書込", "*.txt");
    if (!path) return false;
    if (!WriteFileAtomically(*path, cp932::Encode(WithLineBreaks(text_)))) {
        view.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
        return false;
    }
    return true;
}

bool FormulaSheet::ReadFormulaFile() {
    View& view = calc_.view();
    const auto path = view.askPath(FileDialogKind::Open, "ファイル読込", "*.txt");
    if (!path) return false;
    const auto bytes = ReadFileBytes(*path);
    if (!bytes) {
        view.messageBox(BoxKind::Error, "ファイルが開けませんでした");
        return false;
    }
    selLength_ = 0;
    insertText(WithLineBreaks(cp932::Decode(*bytes)));
    view.changed(kSheetChanged);
    return true;
}

}  // namespace tavrik
