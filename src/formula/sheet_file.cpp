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
    const std::string bytes = cp932::Encode(WithLineBreaks(text_));
    if ((bytes.empty() && !text_.empty()) || !WriteFileAtomically(*path, bytes)) {
        view.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
        return false;
    }
    return true;
}

bool FormulaSheet::ReadFormulaFile() {
    View& view = calc_.view();
    const auto path = view.askPath(FileDialogKind::Open, "ファイル読込", "*.txt");
    if (!path) return false;
    const FileRead read = ReadFile(*path, kMaxSheetFileBytes);
    std::optional<std::string> text = read.ok() ? cp932::Decode(read.bytes) : std::nullopt;
    if (!text) {
        const FileFailure failure = read.ok() ? FileFailure::NotConverted : read.failure;
        view.messageBox(BoxKind::Error, ReadFailureMessage(failure));
        return false;
    }
    selLength_ = 0;
    insertText(WithLineBreaks(std::move(*text)));
    view.changed(kSheetChanged);
    return true;
}

}  // namespace tavrik
