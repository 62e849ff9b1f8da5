// The formula sheet's text as the editor holds it, and back. The sheet keeps
// UTF-8 with CR LF line breaks and counts positions in characters, a line
// break as two; the editor keeps UTF-16 with one separator per line break.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::ui {

std::string SheetText(QStringView editorText);
QString EditorText(std::string_view sheetText);

// Position conversions over the editor's text; a position past the end is
// taken as the end.
std::size_t SheetPosition(QStringView editorText, qsizetype editorPosition);
qsizetype EditorPosition(QStringView editorText, std::size_t sheetPosition);

// The smallest edit that turns `before` into `after`: replace `removed`
// characters at `start` by `inserted`.
struct TextEdit {
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};
TextEdit DifferingSpan(QStringView before, QStringView after);

// The edits, from the last to the first, that turn `before` into `after`
// when `after` is `before` with answers inserted: each inserted piece either
// continues a line up to its end or is a run of whole lines. Replacing the
// differing span would rebuild every line between the first answer and the
// last; inserting the answers alone touches only new text. Where `after` has
// another shape, the one differing span.
std::vector<TextEdit> InsertedAnswers(QStringView before, QStringView after);

}  // namespace tavrik::ui
