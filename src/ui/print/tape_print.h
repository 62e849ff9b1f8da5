// The office tape on paper: the history list with the result under each line
// and the running grand total (GT), painted page by page onto a printer or a
// PDF file.
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <vector>

#include "engine/tape.h"
#include "values/view.h"

namespace tavrik::ui {

// A4 sheets, or the 80 mm roll of a receipt printer.
enum class TapePaper { A4, Receipt };

// What one printed tape shows.
struct TapeSheet {
    QString date;  // see TapeDateText
    QString setName;
    QString modeName;
    std::vector<TapeRow> rows;
    // The family that writes Japanese where the tape's own font has no glyph.
    QString fallbackFamily;
};

// The time as a Japanese header writes it: "2026年12月8日(火) 6:51".
QString TapeDateText(const DateTime& time);

// Gives `device` the page size and margins of `paper`.
void SetTapePaper(QPagedPaintDevice& device, TapePaper paper);

// Paints the tape onto the pages of `device`, whatever their size: the
// header, each line with its result and GT right-aligned below it, and the
// final GT; a line never parts from its result across a page break. False
// when the device cannot be painted on (an unwritable file).
bool PaintTape(QPagedPaintDevice& device, const TapeSheet& sheet);

}  // namespace tavrik::ui
