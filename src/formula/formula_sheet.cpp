#include "formula/formula_sheet.h"

#include <algorithm>
#include <exception>
#include <string>

#include "formula/normalise.h"
#include "formula/sheet_line.h"
#include "formula/sheet_text.h"
#include "values/math_error.h"
#include "values/message_line.h"
#include "values/number_text.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

constexpr std::string_view kNeedsFunctionKeysMessage =
    "累乗・平方根・関数は式パネルでは計算できません。関数キー（A〜F）をお使いください";

// The calculator's value rules with decimal mode and no radix selection.
ValueRules DecimalRules(const ValueRules& rules) {
    ValueRules decimal = rules;
    decimal.mode = CalcMode::Decimal;
    decimal.radix = Radix::None;
    return decimal;
}

}  // namespace

void FormulaSheet::setText(std::string text) {
    text_ = std::move(text);
    selStart_ = 0;
    selLength_ = 0;
}

std::vector<std::string> FormulaSheet::lines() const {
    const auto views = SheetLines(text_);
    return {views.begin(), views.end()};
}

void FormulaSheet::addLine(std::string_view line) {
    if (!text_.empty() && !text_.ends_with(kLineBreak)) text_ += kLineBreak;
    text_.append(line).append(kLineBreak);
}

void FormulaSheet::insertText(std::string_view text) {
    const std::size_t begin = ByteOffset(text_, selStart_);
    const std::size_t end = begin + ByteOffset(std::string_view(text_).substr(begin), selLength_);
    text_.replace(begin, end - begin, text);
    selStart_ += utf8::Length(text);
    selLength_ = 0;
}

std::size_t FormulaSheet::length() const {
    return utf8::Length(text_);
}

void FormulaSheet::select(std::size_t start, std::size_t length) {
    const std::size_t total = this->length();
    selStart_ = std::min(start, total);
    selLength_ = std::min(length, total - selStart_);
}

std::string FormulaSheet::selectedText() const {
    const std::size_t begin = ByteOffset(text_, selStart_);
    const std::string_view rest = std::string_view(text_).substr(begin);
    return std::string(rest.substr(0, ByteOffset(rest, selLength_)));
}

bool FormulaSheet::plusFormula() const {
    return plusFormula_.value_or(host_.currentSet().FPlusF);
}

bool FormulaSheet::answer(const RunRules& rules, std::string_view source, bool resultOnNewLine,
                          std::string& out) {
    AnswerFormulaText(source, rules.decimal, rules.x, lastAnswer_);
    skippedLongLine_ = skippedLongLine_ || lastAnswer_.outcome == LineOutcome::TooLong;
    runNeedsFunctionKeys_ =
        runNeedsFunctionKeys_ || lastAnswer_.outcome == LineOutcome::NeedsFunctionKeys;
    if (!lastAnswer_.answered()) return false;
    if (rules.plusFormula)
        out.append(kLineBreak).append(lastAnswer_.formula);
    else if (!EndsWithEquals(source))
        out.append(resultOnNewLine ? kLineBreak : std::string_view()).append("=");
    out.append(lastAnswer_.value);
    return true;
}

// The display cannot change during a run, so it is read once: a display that
// is no decimal number (a time or date text) is reported once, and X is 0.
long double FormulaSheet::displayValue(const ValueContext& decimal) {
    if (runX_) return *runX_;
    try {
        runX_ = ParseValueText(decimal, host_.displayText()).extended();
    } catch (const ReportedFailure&) {
        runX_ = 0.0L;
    }
    return *runX_;
}

bool FormulaSheet::guarded(const std::function<bool()>& command) {
    try {
        return command();
    } catch (const std::exception& failure) {
        host_.view().messageBox(BoxKind::Error, failure.what());
        return false;
    }
}

void FormulaSheet::RunFormulaPanel() {
    guarded([this] {
        run();
        return true;
    });
}

void FormulaSheet::run() {
    runX_.reset();
    lastAnswer_ = {};
    skippedLongLine_ = false;
    runNeedsFunctionKeys_ = false;
    host_.values().services.status.clearHint();
    // The rules are the same for every line: copied once, not for each line.
    const ValueRules decimalRules = DecimalRules(host_.values().rules);
    const ValueContext decimal{decimalRules, host_.values().services};
    const std::function<long double()> x = [&] { return displayValue(decimal); };
    const RunRules rules{decimal, x, plusFormula()};
    // Answers written before a failure stay, so the view hears of them either way.
    try {
        if (selLength_ > 0)
            runSelection(rules);
        else
            runLines(rules);
    } catch (...) {
        host_.view().changed(kSheetChanged);
        throw;
    }
    // Shown after the run, so that no later formula text replaces it.
    if (runNeedsFunctionKeys_)
        host_.values().services.status.DspMsg(kNeedsFunctionKeysMessage, kMessageHint);
    if (skippedLongLine_) {
        host_.values().services.status.DspMsg("長すぎる行は計算しません（1 行 " +
                                                  std::to_string(kMaxFormulaLineLength) +
                                                  " 文字まで）",
                                              kMessageHint);
    }
    host_.view().changed(kSheetChanged);
}

void FormulaSheet::runSelection(const RunRules& rules) {
    const std::size_t begin = ByteOffset(text_, selStart_);
    const std::size_t end = begin + ByteOffset(std::string_view(text_).substr(begin), selLength_);
    std::string appended;
    if (!answer(rules, std::string_view(text_).substr(begin, end - begin), false, appended)) return;
    text_.insert(end, appended);
    selStart_ += selLength_ + utf8::Length(appended);
    selLength_ = 0;
}

// Lines are answered from the last up. The answers are collected in one
// buffer and the text is rebuilt once, so a run is linear in the length of
// the sheet and touches little memory besides the new text.
//
// An answer a run wrote on the line under its formula is replaced, not
// repeated: a line that reads as the answer of the formula above it (the
// same head, "=" or the formula, and a value) is that answer. Whether a line
// is one is known only when the line above is read, and that line may be an
// answer itself, so the lines that each read as the answer of the line above
// wait in `chain` until a line ends it; then, from its top, every other line
// is a formula whose answer replaces the line below it.
void FormulaSheet::runLines(const RunRules& rules) {
    struct Answer {
        std::size_t lineEnd;      // byte offset in the text where the answer goes
        std::size_t replacedEnd;  // the end of the earlier answer it replaces
        std::size_t start;        // in `collected`
        std::size_t length;
    };
    struct ReadLine {
        std::string_view line;
        std::size_t lineEnd;
        std::size_t start = 0;  // the answer in `collected`
        std::size_t length = 0;
        std::size_t valueLength = 0;
        bool answered = false;
    };
    std::vector<Answer> answers;
    std::vector<ReadLine> chain;
    std::string collected;
    // Room for an answer on every line, so neither list is copied as it grows.
    const std::size_t lines = CountLineFeeds(text_) + 1;
    answers.reserve(lines);
    collected.reserve(lines * 16);
    // Whether `below` reads as the answer `above` writes on a line of its own.
    const auto answersBelow = [&](const ReadLine& above, const ReadLine& below) {
        const std::string_view written(collected.data() + above.start, above.length);
        if (!above.answered || !written.starts_with(kLineBreak)) return false;
        const std::string_view head = written.substr(
            kLineBreak.size(), written.size() - kLineBreak.size() - above.valueLength);
        return IsAnswerLine(below.line, head);
    };
    const auto writeChain = [&] {
        const std::size_t first = answers.size();
        for (std::size_t i = chain.size(); i-- > 0;) {
            const ReadLine& source = chain[i];
            const bool replaces = i > 0;
            if (source.answered)
                answers.push_back({source.lineEnd, replaces ? chain[i - 1].lineEnd : source.lineEnd,
                                   source.start, source.length});
            if (replaces) --i;
        }
        // Written from the top down; the list runs from the last line up.
        std::reverse(answers.begin() + static_cast<std::ptrdiff_t>(first), answers.end());
        chain.clear();
    };
    const auto rebuild = [&] {
        writeChain();
        std::string result;
        result.reserve(text_.size() + collected.size());
        std::size_t copied = 0;
        for (auto answer = answers.rbegin(); answer != answers.rend(); ++answer) {
            result.append(text_, copied, answer->lineEnd - copied)
                .append(collected, answer->start, answer->length);
            copied = answer->replacedEnd;
        }
        result.append(text_, copied);
        text_ = std::move(result);
        selLength_ = 0;
    };
    try {
        // The text from its start to the end of the line being read; a break at
        // the very end starts no line (and an empty line has no answer anyway).
        std::string_view rest = text_;
        if (rest.ends_with(kLineBreak)) rest.remove_suffix(kLineBreak.size());
        for (;;) {
            const std::size_t lineBreak = LastLineBreak(rest);
            const std::size_t start =
                lineBreak == std::string_view::npos ? 0 : lineBreak + kLineBreak.size();
            ReadLine read{rest.substr(start), rest.size()};
            if (!IsCommentOrBlank(read.line)) {
                const std::size_t answerStart = collected.size();
                if (answer(rules, read.line, true, collected)) {
                    read = {read.line,
                            read.lineEnd,
                            answerStart,
                            collected.size() - answerStart,
                            lastAnswer_.value.size(),
                            true};
                }
            }
            if (chain.empty() || !answersBelow(read, chain.back())) writeChain();
            chain.push_back(read);
            if (lineBreak == std::string_view::npos) break;
            rest = rest.substr(0, lineBreak);
        }
    } catch (...) {
        rebuild();
        throw;
    }
    rebuild();
}

void FormulaSheet::CopyFormula() {
    guarded([this] {
        const std::string formula = NormaliseFormula(selectedText()).formula;
        if (!formula.empty()) host_.view().setClipboard(formula);
        return true;
    });
}

void FormulaSheet::mouseUp(std::size_t caret) {
    if (!doubleClicked_) return;
    doubleClicked_ = false;
    guarded([this, caret] {
        applyDoubleClick(caret);
        return true;
    });
}

void FormulaSheet::applyDoubleClick(std::size_t caret) {
    std::size_t lineStart = 0;
    std::string_view rest = text_;
    for (;;) {
        const std::size_t lineBreak = rest.find(kLineBreak);
        const std::string_view line = rest.substr(0, lineBreak);
        const std::size_t lineLength = utf8::Length(line);
        if (caret <= lineStart + lineLength || lineBreak == std::string_view::npos) {
            select(lineStart, lineLength);
            break;
        }
        lineStart += lineLength + kLineBreak.size();
        rest.remove_prefix(lineBreak + kLineBreak.size());
    }
    if (host_.currentSet().DblClickF)
        run();
    else
        host_.view().changed(kSheetChanged);
}

}  // namespace tavrik
