#include "ui/panels/sheet_editor_text.h"

#include <algorithm>

namespace tavrik::ui {

namespace {

constexpr std::size_t kSheetLineBreakLength = 2;  // CR LF
constexpr QChar kLineBreak = QLatin1Char('\n');

}  // namespace

// One pass each way: a sheet of ten thousand lines is converted on every run,
// and QString::replace of a line break searches the text once per break.
std::string SheetText(QStringView editorText) {
    const QByteArray utf8 = editorText.toUtf8();
    std::string text;
    text.reserve(static_cast<std::size_t>(utf8.size() + utf8.count('\n')));
    for (const char c : utf8) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

QString EditorText(std::string_view sheetText) {
    QString text = QString::fromUtf8(sheetText.data(), static_cast<qsizetype>(sheetText.size()));
    QChar* const begin = text.data();
    const QChar* const end = begin + text.size();
    QChar* out = begin;
    for (const QChar* in = begin; in != end; ++in) {
        const bool crBeforeLf =
            *in == QLatin1Char('\r') && in + 1 != end && in[1] == QLatin1Char('\n');
        if (!crBeforeLf) *out++ = *in;
    }
    text.truncate(out - begin);
    return text;
}

std::size_t SheetPosition(QStringView editorText, qsizetype editorPosition) {
    const qsizetype end = std::min(editorPosition, editorText.size());
    std::size_t position = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = editorText[i];
        // A character beyond the basic plane is two UTF-16 units but one character.
        if (c.isLowSurrogate()) continue;
        position += c == QLatin1Char('\n') ? kSheetLineBreakLength : 1;
    }
    return position;
}

qsizetype EditorPosition(QStringView editorText, std::size_t sheetPosition) {
    std::size_t position = 0;
    qsizetype i = 0;
    while (i < editorText.size() && position < sheetPosition) {
        const QChar c = editorText[i];
        position += c == QLatin1Char('\n') ? kSheetLineBreakLength : 1;
        i += c.isHighSurrogate() && i + 1 < editorText.size() ? 2 : 1;
    }
    return i;
}

TextEdit DifferingSpan(QStringView before, QStringView after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    // The edit never splits a character made of two UTF-16 units.
    if (prefix > 0 && before[prefix - 1].isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && before[before.size() - suffix].isLowSurrogate()) --suffix;
    return {prefix, before.size() - prefix - suffix,
            after.mid(prefix, after.size() - prefix - suffix)};
}

std::vector<TextEdit> InsertedAnswers(QStringView before, QStringView after) {
    const TextEdit span = DifferingSpan(before, after);
    const qsizetype spanEnd = span.start + span.removed;
    const QStringView inserted = span.inserted;
    std::vector<TextEdit> edits;
    qsizetype i = span.start;  // in `before`
    qsizetype j = 0;           // in `inserted`, the span's new text
    while (j < inserted.size()) {
        if (i < spanEnd && before[i] == inserted[j]) {
            ++i;
            ++j;
            continue;
        }
        const bool atLineEnd = i == spanEnd || before[i] == kLineBreak;
        qsizetype end = inserted.indexOf(kLineBreak, j + 1);
        const bool lineBreakFollows = end >= 0;
        if (!lineBreakFollows) end = inserted.size();
        const QStringView piece = inserted.sliced(j, end - j);
        if (atLineEnd && piece.startsWith(kLineBreak)) {
            // An answer line after the last line: "\n=answer".
            edits.push_back({i, 0, piece.sliced(1), true});
        } else if (atLineEnd || !lineBreakFollows) {
            // An answer that continues its line.
            edits.push_back({i, 0, piece});
        } else {
            // An answer line, "=answer\n" at the start of the next line: it
            // goes to the end of the line it answers, after a soft break.
            if (i > 0 && before[i - 1] == kLineBreak)
                edits.push_back({i - 1, 0, piece, true});
            else
                edits.push_back({i, 0, inserted.sliced(j, end + 1 - j)});
            ++end;
        }
        j = end;
    }
    if (i != spanEnd) return {span};
    std::reverse(edits.begin(), edits.end());
    return edits;
}

}  // namespace tavrik::ui
