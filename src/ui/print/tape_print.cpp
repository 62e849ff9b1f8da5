#include "ui/print/tape_print.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <array>
#include <climits>

namespace tavrik::ui {

namespace {

// A page of the roll is as long as an A4 sheet, so a long tape comes out in
// pieces a printer driver takes.
constexpr QSizeF kReceiptPageMm{80, 297};
constexpr QMarginsF kReceiptMarginsMm{4, 5, 4, 5};
constexpr QMarginsF kA4MarginsMm{20, 20, 20, 20};
// Pages at most this wide are rolls and get the roll's smaller type.
constexpr double kNarrowPageMm = 100;
constexpr int kNarrowPointSize = 9;
constexpr int kSheetPointSize = 11;
// Figures in a fixed pitch line up under each other like on a printing calculator.
const QString kTapeFamily = QStringLiteral("Noto Sans Mono CJK JP");
const QString kGrandTotal = QStringLiteral("GT");
// QDate::dayOfWeek counts from Monday = 1.
constexpr std::array<const char*, 7> kWeekdays{"月", "火", "水", "木", "金", "土", "日"};
constexpr int kWrapFlags = Qt::AlignLeft | Qt::TextWrapAnywhere;

enum class LineKind {
    Text,    // left-aligned, wrapped at the page's width
    Figure,  // right-aligned
    Rule,    // a horizontal line across the page
    Total,   // "GT" on the left, the total on the right, in bold
};

struct TapeLine {
    LineKind kind;
    QString text;
};

// Lines that stay on one page together: the header, one history line with its
// result and GT, the final total.
using TapeBlock = std::vector<TapeLine>;

std::vector<TapeBlock> TapeBlocks(const TapeSheet& sheet) {
    std::vector<TapeBlock> blocks;
    blocks.push_back({{LineKind::Text, sheet.date},
                      {LineKind::Text,
                       QStringLiteral("設定: %1　モード: %2").arg(sheet.setName, sheet.modeName)},
                      {LineKind::Rule, {}}});
    QString finalTotal;
    for (const TapeRow& row : sheet.rows) {
        TapeBlock block{{LineKind::Text, QString::fromStdString(row.line)}};
        if (!row.result.empty())
            block.push_back({LineKind::Figure, QString::fromStdString(row.result)});
        if (!row.grandTotal.empty()) {
            finalTotal = QString::fromStdString(row.grandTotal);
            block.push_back({LineKind::Figure, kGrandTotal + QStringLiteral(" ") + finalTotal});
        }
        blocks.push_back(std::move(block));
    }
    if (!finalTotal.isEmpty())
        blocks.push_back({{LineKind::Rule, {}}, {LineKind::Total, finalTotal}});
    return blocks;
}

QFont TapeFont(const QPagedPaintDevice& device, const QString& fallbackFamily) {
    const bool narrow =
        device.pageLayout().fullRect(QPageLayout::Millimeter).width() <= kNarrowPageMm;
    QFont font;
    font.setFamilies({kTapeFamily, fallbackFamily});
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(narrow ? kNarrowPointSize : kSheetPointSize);
    return font;
}

class TapePainter {
  public:
    TapePainter(QPainter& painter, QRect page) : painter_(painter), page_(page) {
        lineHeight_ = painter_.fontMetrics().lineSpacing();
        // The page number keeps a line of its own at the foot of each page.
        body_ = page_.adjusted(0, 0, 0, -2 * lineHeight_);
    }

    int height(const TapeLine& line) const {
        if (line.kind == LineKind::Rule) return lineHeight_ / 2;
        if (line.kind != LineKind::Text) return lineHeight_;
        const QRect bounds(0, 0, body_.width(), INT_MAX);
        return std::max(lineHeight_, painter_.boundingRect(bounds, kWrapFlags, line.text).height());
    }

    int height(const TapeBlock& block) const {
        int sum = 0;
        for (const TapeLine& line : block) sum += height(line);
        return sum;
    }

    // The page each block starts on: the next one when it no longer fits
    // (a block taller than a page has one of its own).
    std::vector<int> pagination(const std::vector<TapeBlock>& blocks) const {
        std::vector<int> pages;
        int page = 0;
        int top = 0;
        for (const TapeBlock& block : blocks) {
            const int blockHeight = height(block);
            if (top > 0 && top + blockHeight > body_.height()) {
                ++page;
                top = 0;
            }
            pages.push_back(page);
            top += blockHeight;
        }
        return pages;
    }

    // Paints `block` at `top` of the body; gives the top of the next block.
    int paint(const TapeBlock& block, int top) {
        for (const TapeLine& line : block) {
            const QRect area(body_.left(), body_.top() + top, body_.width(), height(line));
            switch (line.kind) {
                case LineKind::Text:
                    painter_.drawText(area, kWrapFlags, line.text);
                    break;
                case LineKind::Figure:
                    painter_.drawText(area, Qt::AlignRight | Qt::AlignVCenter, line.text);
                    break;
                case LineKind::Rule:
                    painter_.drawLine(area.left(), area.center().y(), area.right(),
                                      area.center().y());
                    break;
                case LineKind::Total: {
                    QFont bold = painter_.font();
                    bold.setBold(true);
                    painter_.save();
                    painter_.setFont(bold);
                    painter_.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, kGrandTotal);
                    painter_.drawText(area, Qt::AlignRight | Qt::AlignVCenter, line.text);
                    painter_.restore();
                    break;
                }
            }
            top += area.height();
        }
        return top;
    }

    void paintPageNumber(int page, int pages) {
        const QRect foot(page_.left(), page_.bottom() - lineHeight_, page_.width(), lineHeight_);
        painter_.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
    }

  private:
    QPainter& painter_;
    QRect page_;
    QRect body_;
    int lineHeight_ = 0;
};

}  // namespace

QString TapeDateText(const DateTime& time) {
    const QDate date(time.year, time.month, time.day);
    const QString weekday = date.isValid()
                                ? QStringLiteral("(%1)").arg(QString::fromUtf8(
                                      kWeekdays[static_cast<std::size_t>(date.dayOfWeek() - 1)]))
                                : QString();
    return QStringLiteral("%1年%2月%3日%4 %5:%6")
        .arg(time.year)
        .arg(time.month)
        .arg(time.day)
        .arg(weekday)
        .arg(time.hour)
        .arg(time.minute, 2, 10, QLatin1Char('0'));
}

void SetTapePaper(QPagedPaintDevice& device, TapePaper paper) {
    if (paper == TapePaper::Receipt) {
        device.setPageLayout(QPageLayout(QPageSize(kReceiptPageMm, QPageSize::Millimeter,
                                                   QStringLiteral("80 mm"), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, kReceiptMarginsMm,
                                         QPageLayout::Millimeter));
    } else {
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         kA4MarginsMm, QPageLayout::Millimeter));
    }
}

bool PaintTape(QPagedPaintDevice& device, const TapeSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(TapeFont(device, sheet.fallbackFamily));
    TapePainter tape(painter, QRect(0, 0, device.width(), device.height()));
    const std::vector<TapeBlock> blocks = TapeBlocks(sheet);
    const std::vector<int> pages = tape.pagination(blocks);
    const int pageCount = pages.back() + 1;
    int top = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && pages[i] != pages[i - 1]) {
            tape.paintPageNumber(pages[i - 1], pageCount);
            device.newPage();
            top = 0;
        }
        top = tape.paint(blocks[i], top);
    }
    tape.paintPageNumber(pages.back(), pageCount);
    return painter.end();
}

}  // namespace tavrik::ui
