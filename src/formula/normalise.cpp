#include "formula/normalise.h"

#include <unicode/utf8.h>

#include <cstdint>

namespace tavrik {

namespace {

// One input character as a token character; everything without a meaning in
// a formula is a blank. The full-width forms are those of the Shift-JIS code
// page, where "－" (0x817C) is read as U+FF0D or U+2212 depending on the table.
char MapCharacter(UChar32 c) {
    if (c >= '0' && c <= '9') return static_cast<char>(c);
    if (c >= 0xFF10 && c <= 0xFF19) return static_cast<char>('0' + (c - 0xFF10));
    switch (c) {
        case '+': case '-': case '*': case '/': case '.': case '=': case ',':
            return static_cast<char>(c);
        case '(': case '[': case 0xFF08: case 0xFF3B: return '(';
        case ')': case ']': case 0xFF09: case 0xFF3D: return ')';
        case 'X': case 'x': case 0xFF38: case 0xFF58: return 'X';
        case 0xFF0E: return '.';
        case 0xFF0B: return '+';
        case 0xFF0D: case 0x2212: return '-';
        case 0xFF0A: case 0x00D7: return '*';
        case 0xFF0F: case 0x00F7: return '/';
        case 0xFF1D: return '=';
        case 0xFF0C: return ',';
        default: return ' ';
    }
}

bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

// The scanning state over the mapped tokens.
class Scanner {
public:
    // Takes one token; false once the formula is complete and scanning stops.
    bool take(char token, std::size_t position);
    NormalisedFormula finish(std::size_t textLength);

private:
    enum class Action { ContinueNumber, None, Operator, Bracket, End };

    Action choose(char token);
    void flush();
    void discard(std::size_t position);
    void advanceStage() {
        if (stage_ == 0 || stage_ == 2) ++stage_;
    }

    std::string out_;
    std::string num_;
    char lastOp_ = 0;  // 0: none
    int depth_ = 0;
    // 0 nothing usable, 1 an operand, 2 operand and operator, 3 complete.
    int stage_ = 0;
    char lastToken_ = 0;
    std::size_t discardedAt_ = kNoError;
};

Scanner::Action Scanner::choose(char token) {
    if (token >= '0' && token <= '9') {
        num_ += token;
        return Action::ContinueNumber;
    }
    switch (token) {
        case '.':
            if (!num_.empty() && num_.find('.') == std::string::npos) {
                num_ += '.';
                return Action::ContinueNumber;
            }
            num_.clear();
            return Action::End;
        case ',': return num_.empty() ? Action::None : Action::ContinueNumber;
        case 'X':
            if (!num_.empty()) return Action::None;
            out_ += 'X';
            lastOp_ = 0;
            advanceStage();
            return Action::ContinueNumber;
        case '(': ++depth_; return Action::Bracket;
        case ')':
            if (depth_ <= 0) return Action::End;
            --depth_;
            if (!out_.empty() && out_.back() == '(' && num_.empty()) {
                // An empty bracket pair vanishes; an operator before it is again the last one.
                out_.pop_back();
                if (!out_.empty() && IsOperator(out_.back())) lastOp_ = out_.back();
                return Action::None;
            }
            // A lone number in brackets, as in 2*(5)+1, is kept.
            return Action::Bracket;
        case '=': return Action::End;
        default: return IsOperator(token) ? Action::Operator : Action::None;
    }
}

void Scanner::flush() {
    out_ += num_;
    num_.clear();
    lastOp_ = 0;
    advanceStage();
}

void Scanner::discard(std::size_t position) {
    out_.clear();
    num_.clear();
    lastOp_ = 0;
    stage_ = 0;
    depth_ = 0;
    discardedAt_ = position;
}

bool Scanner::take(char token, std::size_t position) {
    lastToken_ = token;
    const Action action = choose(token);
    if (!num_.empty() && action != Action::ContinueNumber) flush();
    switch (action) {
        case Action::Operator:
            if (lastOp_ == 0 && (stage_ != 0 || token == '-')) {
                out_ += token;
                lastOp_ = token;
                if (stage_ == 1) stage_ = 2;
            }
            break;
        case Action::Bracket:
            out_ += token;
            lastOp_ = 0;
            break;
        case Action::End:
            if (stage_ == 3) return false;
            discard(position);
            break;
        case Action::ContinueNumber:
        case Action::None: break;
    }
    return true;
}

NormalisedFormula Scanner::finish(std::size_t textLength) {
    if (lastOp_ != 0 && !num_.empty()) {
        out_ += num_;
        stage_ = 3;
    }
    if (lastToken_ == ')') {
        if (depth_ == 1) out_ += ')';
        if (depth_ > 1) stage_ = 0;
    }
    if (stage_ != 3) return {{}, discardedAt_ == kNoError ? textLength : discardedAt_};

    std::string formula;
    formula.reserve(out_.size() + 1);
    for (std::size_t i = 0; i < out_.size(); ++i) {
        if (out_[i] == '(' && i + 1 < out_.size() && out_[i + 1] == ')')
            ++i;
        else
            formula += out_[i];
    }
    if (lastOp_ != 0 && !formula.empty() && formula.back() == lastOp_) formula.pop_back();
    formula += '=';
    return {std::move(formula), kNoError};
}

}  // namespace

NormalisedFormula NormaliseFormula(std::string_view text) {
    Scanner scanner;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::size_t position = 0;
    for (std::int32_t i = 0; i < length; ++position) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (!scanner.take(MapCharacter(c), position)) return scanner.finish(position + 1);
    }
    return scanner.finish(position);
}

}  // namespace tavrik
