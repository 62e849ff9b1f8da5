#include "formula/formula_tokens.h"

#include <charconv>
#include <optional>
#include <string>

namespace tavrik {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::optional<long double> ConvertNumber(std::string_view text) {
    long double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || stop != end) return std::nullopt;
    return value;
}

class TokenReader {
public:
    explicit TokenReader(TokenList& list) : list_(list) {}

    // Lists the number buffer, if any; false when it does not convert.
    bool listNumber() {
        if (number_.empty()) return true;
        if (number_ == "-") {
            list(TokenKind::Subtract, numberStart_);
        } else if (const auto value = ConvertNumber(number_)) {
            list_.tokens.push_back({TokenKind::Number, *value, numberStart_});
        } else {
            list_.errorPosition = numberStart_;
            return false;
        }
        number_.clear();
        return true;
    }

    void list(TokenKind kind, std::size_t position) { list_.tokens.push_back({kind, 0, position}); }

    void append(char c, std::size_t position) {
        if (number_.empty()) numberStart_ = position;
        number_ += c;
    }

    bool numberEmpty() const { return number_.empty(); }
    bool numberHasPoint() const { return number_.find('.') != std::string::npos; }
    bool numberIsSign() const { return number_ == "-"; }
    void clearNumber() { number_.clear(); }

private:
    TokenList& list_;
    std::string number_;
    std::size_t numberStart_ = 0;
};

TokenKind OperatorKind(char c) {
    switch (c) {
        case '(': return TokenKind::Open;
        case ')': return TokenKind::Close;
        case '*': return TokenKind::Multiply;
        case '/': return TokenKind::Divide;
        case '+': return TokenKind::Add;
        default: return TokenKind::Subtract;
    }
}

}  // namespace

int OperatorPriority(TokenKind kind) {
    switch (kind) {
        case TokenKind::Open: return 4;
        case TokenKind::Close: return 1;
        case TokenKind::Multiply: case TokenKind::Divide: return 3;
        case TokenKind::Add: case TokenKind::Subtract: return 2;
        default: return 5;
    }
}

TokenList Tokenise(std::string_view formula) {
    TokenList result;
    result.tokens.reserve(formula.size());
    TokenReader reader(result);
    std::size_t position = 0;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const char c = formula[i];
        if (IsContinuationByte(c)) continue;
        const std::size_t at = position++;
        if (c >= '0' && c <= '9') {
            reader.append(c, at);
            continue;
        }
        switch (c) {
            case '.':
                if (!reader.numberHasPoint()) reader.append(c, at);
                continue;
            case 'X': case 'Y': {
                if (reader.numberIsSign()) {
                    reader.clearNumber();
                    result.tokens.push_back({TokenKind::Number, -1.0L, at});
                    reader.list(TokenKind::Multiply, at);
                } else if (!reader.listNumber()) {
                    return result;
                }
                reader.list(c == 'X' ? TokenKind::VariableX : TokenKind::VariableY, at);
                continue;
            }
            case '+':
                if (at == 0) continue;
                break;
            case '-':
                if (at == 0) {
                    reader.append(c, at);
                    continue;
                }
                if (reader.numberEmpty()) {
                    if (result.tokens.empty()) {
                        result.errorPosition = at;
                        return result;
                    }
                    if (result.tokens.back().kind == TokenKind::Open) {
                        reader.append(c, at);
                        continue;
                    }
                }
                break;
            case '(': case ')': case '*': case '/': case '=': break;
            default: continue;
        }
        if (!reader.listNumber()) return result;
        if (c == '=') return result;
        reader.list(OperatorKind(c), at);
    }
    reader.listNumber();
    return result;
}

}  // namespace tavrik
