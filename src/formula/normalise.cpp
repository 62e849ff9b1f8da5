#include "formula/normalise.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavrik {

namespace {

// The token of "^", "＾", "√" and the superscripts (10², the ⁻¹ of an
// inverse): notations the evaluator does not have.
constexpr char kPowerOrRoot = '^';
// The token of a character of a note (a letter, kana, kanji, other symbols);
// blanks and line breaks are ' '. Both have no meaning in a formula.
constexpr char kNote = 'n';

bool IsSuperscript(UChar32 c) {
    constexpr UChar32 kSuperscriptsFirst = 0x2070, kSuperscriptsLast = 0x207F;
    return c == 0x00B9 || c == 0x00B2 || c == 0x00B3 ||
           (c >= kSuperscriptsFirst && c <= kSuperscriptsLast);
}

bool IsBlank(UChar32 c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0x3000;
}

bool IsLatinLetter(UChar32 c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xFF21 && c <= 0xFF3A) ||
           (c >= 0xFF41 && c <= 0xFF5A);
}

// One input character as a token character; everything without a meaning in
// a formula is a blank or a note. The full-width forms are those of the Shift-JIS code
// page, where "－" (0x817C) is read as U+FF0D or U+2212 depending on the table.
char MapCharacter(UChar32 c) {
    if (c >= '0' && c <= '9') return static_cast<char>(c);
    if (c >= 0xFF10 && c <= 0xFF19) return static_cast<char>('0' + (c - 0xFF10));
    switch (c) {
        case '+':
        case '-':
        case '*':
        case '/':
        case '.':
        case '=':
        case ',':
            return static_cast<char>(c);
        case '(':
        case '[':
        case 0xFF08:
        case 0xFF3B:
            return '(';
        case ')':
        case ']':
        case 0xFF09:
        case 0xFF3D:
            return ')';
        case 'X':
        case 'x':
        case 0xFF38:
        case 0xFF58:
            return 'X';
        case 0xFF0E:
            return '.';
        case 0xFF0B:
            return '+';
        case 0xFF0D:
        case 0x2212:
            return '-';
        case 0xFF0A:
        case 0x00D7:
            return '*';
        case 0xFF0F:
        case 0x00F7:
            return '/';
        case 0xFF1D:
            return '=';
        case 0xFF0C:
            return ',';
        case '^':
        case 0xFF3E:
        case 0x221A:
            return kPowerOrRoot;
        default:
            if (IsSuperscript(c)) return kPowerOrRoot;
            return IsBlank(c) ? ' ' : kNote;
    }
}

bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

// The scanning state over the mapped tokens. The number being read is kept
// at the end of the output buffer: nothing else is written to the output
// while a number is being read, so a flush only moves the boundary.
class Scanner {
  public:
    explicit Scanner(std::size_t textLength) {
        if (textLength + 2 > inline_.size()) {
            heap_.resize(textLength + 2);
            buffer_ = heap_.data();
        }
    }
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // Takes one token; false once the formula is complete and scanning stops.
    bool take(char token, std::size_t position);
    // The formula part names a function the evaluator does not have.
    void markFunction() { needsFunctionKeys_ = true; }
    void finish(std::size_t textLength, NormalisedFormula& into);

  private:
    enum class Action { ContinueNumber, None, Operator, Bracket, End };

    Action choose(char token);
    void write(char c) { buffer_[outLength_++] = c; }
    void appendToNumber(char c) { buffer_[outLength_ + numLength_++] = c; }
    void clearNumber() {
        numLength_ = 0;
        numPoint_ = false;
    }
    bool outEndsWith(char c) const { return outLength_ > 0 && buffer_[outLength_ - 1] == c; }
    bool startsOperandAfterOperand(char token) const;
    bool outEndsWithOperand() const;
    void flush();
    void discard(std::size_t position);
    void advanceStage() {
        if (stage_ == 0 || stage_ == 2) ++stage_;
    }

    // `out`, then `num`: in `inline_` for a line of everyday length, so that
    // scanning one allocates nothing, and in `heap_` for a longer text.
    static constexpr std::size_t kInlineLength = 256;
    std::array<char, kInlineLength> inline_;
    std::string heap_;
    char* buffer_ = inline_.data();
    std::size_t outLength_ = 0;
    std::size_t numLength_ = 0;
    bool numPoint_ = false;
    char lastOp_ = 0;  // 0: none
    int depth_ = 0;
    // 0 nothing usable, 1 an operand, 2 operand and operator, 3 complete.
    int stage_ = 0;
    char lastToken_ = 0;
    std::size_t discardedAt_ = kNoError;
    bool needsFunctionKeys_ = false;
    // The operand after a "^" or "√" belongs to the same formula part.
    bool joinNextOperand_ = false;
    // A note stands between the last token of `out` and the next one.
    bool noteSinceOut_ = false;
};

bool Scanner::outEndsWithOperand() const {
    if (outLength_ == 0) return false;
    const char last = buffer_[outLength_ - 1];
    return (last >= '0' && last <= '9') || last == '.' || last == 'X' || last == ')';
}

// A number or X that would follow an operand with no operator between, as the
// 1,200 of "5月の売上 1,200": the two never make one number. A bracket after
// an operand and a note, as in "第3四半期 (2+3)*4", starts an operand too.
bool Scanner::startsOperandAfterOperand(char token) const {
    const bool operand = (token >= '0' && token <= '9') || token == 'X';
    if (!(operand || (token == '(' && noteSinceOut_)) || numLength_ > 0) return false;
    return outEndsWithOperand();
}

Scanner::Action Scanner::choose(char token) {
    if (token >= '0' && token <= '9') {
        appendToNumber(token);
        return Action::ContinueNumber;
    }
    switch (token) {
        case '.':
            if (numLength_ > 0 && !numPoint_) {
                appendToNumber('.');
                numPoint_ = true;
                return Action::ContinueNumber;
            }
            clearNumber();
            return Action::End;
        case ',':
            return numLength_ == 0 ? Action::None : Action::ContinueNumber;
        case 'X':
            if (numLength_ > 0) return Action::None;
            write('X');
            lastOp_ = 0;
            advanceStage();
            return Action::ContinueNumber;
        case '(':
            ++depth_;
            return Action::Bracket;
        case ')':
            if (depth_ <= 0) return Action::End;
            --depth_;
            if (outEndsWith('(') && numLength_ == 0) {
                // An empty bracket pair vanishes; an operator before it is again the last one.
                --outLength_;
                if (outLength_ > 0 && IsOperator(buffer_[outLength_ - 1]))
                    lastOp_ = buffer_[outLength_ - 1];
                return Action::None;
            }
            // A lone number in brackets, as in 2*(5)+1, is kept.
            return Action::Bracket;
        case '=':
            return Action::End;
        default:
            return IsOperator(token) ? Action::Operator : Action::None;
    }
}

void Scanner::flush() {
    outLength_ += numLength_;
    clearNumber();
    lastOp_ = 0;
    advanceStage();
}

void Scanner::discard(std::size_t position) {
    outLength_ = 0;
    clearNumber();
    lastOp_ = 0;
    stage_ = 0;
    depth_ = 0;
    discardedAt_ = position;
}

bool Scanner::take(char token, std::size_t position) {
    // A digit that continues a number, most of a formula's characters, only
    // lengthens it: the general steps below would do the same and no more.
    if (token >= '0' && token <= '9' && numLength_ > 0) {
        appendToNumber(token);
        lastToken_ = token;
        noteSinceOut_ = joinNextOperand_ = false;
        return true;
    }
    if (token == kPowerOrRoot) {
        needsFunctionKeys_ = joinNextOperand_ = true;
        return true;
    }
    const bool joined = joinNextOperand_;
    if (token != ' ') joinNextOperand_ = false;
    if (!joined && startsOperandAfterOperand(token)) {
        // A complete formula ends before the new operand, the rest of the line
        // being a note; before that, what was read is a note, and the scan
        // starts again at the new operand.
        if (stage_ == 3) return false;
        discard(position);
    }
    lastToken_ = token;
    if (token != ' ') noteSinceOut_ = token == kNote;
    const Action action = choose(token);
    if (numLength_ > 0 && action != Action::ContinueNumber) flush();
    switch (action) {
        case Action::Operator:
            if (lastOp_ == 0 && (stage_ != 0 || token == '-')) {
                write(token);
                lastOp_ = token;
                if (stage_ == 1) stage_ = 2;
            }
            break;
        case Action::Bracket:
            write(token);
            lastOp_ = 0;
            break;
        case Action::End:
            if (stage_ == 3) return false;
            discard(position);
            break;
        case Action::ContinueNumber:
        case Action::None:
            break;
    }
    return true;
}

void Scanner::finish(std::size_t textLength, NormalisedFormula& into) {
    if (lastOp_ != 0 && numLength_ > 0) {
        outLength_ += numLength_;
        stage_ = 3;
    }
    // A ")" read directly after a "(" takes the pair away at once, so only the
    // bracket closed here can leave an empty pair.
    bool closedHere = false;
    if (lastToken_ == ')') {
        if (depth_ == 1) {
            write(')');
            closedHere = true;
        }
        if (depth_ > 1) stage_ = 0;
    }
    into.needsFunctionKeys = needsFunctionKeys_;
    if (stage_ != 3 || needsFunctionKeys_) {
        into.formula.clear();
        into.errorPosition = discardedAt_ == kNoError ? textLength : discardedAt_;
        return;
    }

    std::size_t kept = outLength_;
    const char* const out = buffer_;
    const auto emptyPair = [](char a, char b) { return a == '(' && b == ')'; };
    if (closedHere && std::adjacent_find(out, out + outLength_, emptyPair) != out + outLength_) {
        kept = 0;
        for (std::size_t i = 0; i < outLength_; ++i) {
            if (buffer_[i] == '(' && i + 1 < outLength_ && buffer_[i + 1] == ')')
                ++i;
            else
                buffer_[kept++] = buffer_[i];
        }
    }
    if (lastOp_ != 0 && kept > 0 && buffer_[kept - 1] == lastOp_) --kept;
    buffer_[kept++] = '=';
    into.formula.assign(buffer_, kept);
    into.errorPosition = kNoError;
}

}  // namespace

// Everything the scan calls is compiled into it: a line is read a character
// at a time, and a call for each costs more than the work it does.
[[gnu::flatten]] void NormaliseFormula(std::string_view text, NormalisedFormula& into) {
    Scanner scanner(text.size());
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::size_t position = 0;
    UChar32 previous = 0;
    for (std::int32_t i = 0; i < length; ++position) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        const char token = MapCharacter(c);
        if (token == '(' && IsLatinLetter(previous)) scanner.markFunction();
        if (!scanner.take(token, position)) {
            scanner.finish(position + 1, into);
            return;
        }
        previous = c;
    }
    scanner.finish(position, into);
}

NormalisedFormula NormaliseFormula(std::string_view text) {
    NormalisedFormula normalised;
    NormaliseFormula(text, normalised);
    return normalised;
}

}  // namespace tavrik
