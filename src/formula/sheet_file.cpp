// The sheet's file commands: plain lines in Shift-JIS with CR LF line ends.
#include "formula/formula_sheet.h"
#include "formula/sheet_text.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "textfile/lost_characters.h"

namespace tavrik {

bool FormulaSheet::WriteFormulaFile(const std::string& path) {
    return guarded([&] { return writeFile(path); });
}

bool FormulaSheet::ReadFormulaFile(const std::string& path) {
    return guarded([&] { return readFile(path); });
}

bool FormulaSheet::writeFile(const std::string& path) {
    View& view = host_.view();
    const std::string text = WithLineBreaks(text_);
    // Asked before the file is touched: refusing keeps the file as it was.
    const std::vector<std::string> lost = LostCharacters(text);
    if (!lost.empty() && !view.messageBox(BoxKind::Confirmation, LostCharactersQuestion(lost)))
        return false;
    const std::string bytes = cp932::Encode(text);
    if ((bytes.empty() && !text_.empty()) || !WriteFileAtomically(path, bytes)) {
        view.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
        return false;
    }
    return true;
}

bool FormulaSheet::readFile(const std::string& path) {
    View& view = host_.view();
    const FileRead read = ReadFile(path, kMaxSheetFileBytes);
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
