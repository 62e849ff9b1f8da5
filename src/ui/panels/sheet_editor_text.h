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

// An edit of the editor's text: replace `removed` characters at `start` by
// `inserted`, a view into the text the edit leads to. With `softLineBreak`
// a soft line break (U+2028, what Shift+Enter types) comes first: the
// editor's plain text reads it as a line break.
struct TextEdit {
    qsizetype start = 0;
    qsizetype removed = 0;
    QStringView inserted;
    bool softLineBreak = false;
};

// The smallest edit that turns `before` into `after`.
TextEdit DifferingSpan(QStringView before, QStringView after);

// The edits, from the last to the first, that turn `before` into `after`
// when `after` is `before` with answers inserted: each answer either
// continues its line up to the end or is a line of its own after it.
// Replacing the differing span would rebuild every line between the first
// answer and the last; inserting the answers alone touches only new text.
// An answer line joins the line it answers with a soft line break instead
// of starting a paragraph: the text is the same, and a paragraph costs the
// editor's document more than the answer itself. Where `after` has another
// shape, the one differing span.
std::vector<TextEdit> InsertedAnswers(QStringView before, QStringView after);

}  // namespace tavrik::ui
