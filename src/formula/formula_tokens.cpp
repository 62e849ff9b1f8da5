#include "formula/formula_tokens.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace tavrik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The digits of a number, gathered as the tokeniser reads them: digits and
// the first "." count; further points and ignored characters in between do not.
// A digit costs a multiplication and an addition: what else a conversion
// asks is worked out once, from the counts.
struct NumberDigits {
    std::uint64_t mantissa = 0;
    int digits = 0;
    int wholeDigits = 0;  // the digits before the first point
    bool point = false;
    bool negative = false;  // the number starts with a "-" sign

    void addDigit(char c) {
        ++digits;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    void addPoint() {
        if (point) return;
        point = true;
        wholeDigits = digits;
    }
    int decimals() const { return point ? digits - wholeDigits : 0; }
};

// The digits of `stretch` from its first digit other than 0.
int SignificantDigits(std::string_view stretch) {
    int significant = 0;
    for (char c : stretch)
        if (IsDigit(c) && (significant > 0 || c != '0')) ++significant;
    return significant;
}

// The number a buffer stands for; `stretch` is the part of the formula where
// it was read, and `gathered` its digits.
// Up to 19 significant digits and 27 decimals, digits / 10^decimals is the
// correctly rounded value: both are exact and the division rounds once, as
// the standard conversion does. Longer numbers take the standard conversion.
std::optional<long double> ConvertNumber(std::string_view stretch, const NumberDigits& gathered) {
    if (gathered.digits == 0) return std::nullopt;
    const int decimals = gathered.decimals();
    // Leading zeros add nothing to the mantissa, so they need counting only
    // for a long number.
    if (decimals <= 27 && (gathered.digits <= 19 || SignificantDigits(stretch) <= 19)) {
        static constexpr auto kPowers = [] {
            std::array<long double, 28> powers{};
            long double p = 1;
            for (long double& power : powers) power = p, p *= 10;
            return powers;
        }();
        // A whole number needs no division, the slowest step of all.
        const auto whole = static_cast<long double>(gathered.mantissa);
        const long double value =
            decimals == 0 ? whole : whole / kPowers[static_cast<std::size_t>(decimals)];
        return gathered.negative ? -value : value;
    }
    std::string text = gathered.negative ? "-" : "";
    bool point = false;
    for (char c : stretch) {
        if (IsDigit(c) || (c == '.' && !point)) text += c;
        point = point || c == '.';
    }
    long double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || stop != end) return std::nullopt;
    return value;
}

// The number buffer: where it started, whether it holds only a sign, and the
// digits read so far.
class NumberBuffer {
  public:
    bool empty() const { return start_ == kNoError; }
    bool isSign() const { return !empty() && !content_; }
    void startSign(std::size_t byte, std::size_t position) {
        start(byte, position);
        digits_.negative = true;
    }
    void addDigit(std::size_t byte, std::size_t position, char c) {
        add(byte, position);
        digits_.addDigit(c);
    }
    void addPoint(std::size_t byte, std::size_t position) {
        add(byte, position);
        digits_.addPoint();
    }
    void clear() {
        start_ = kNoError;
        content_ = false;
        digits_ = {};
    }
    std::size_t start() const { return start_; }
    std::size_t position() const { return position_; }
    const NumberDigits& digits() const { return digits_; }

  private:
    void start(std::size_t byte, std::size_t position) {
        start_ = byte;
        position_ = position;
    }
    void add(std::size_t byte, std::size_t position) {
        if (empty()) start(byte, position);
        content_ = true;
    }

    std::size_t start_ = kNoError;  // byte offset in the formula
    std::size_t position_ = 0;      // character position
    bool content_ = false;
    NumberDigits digits_;
};

class TokenReader {
  public:
    TokenReader(std::string_view formula, TokenList& list) : formula_(formula), list_(list) {}

    // Lists the number buffer ending before byte `end`, if any; false when it does not convert.
    bool listNumber(std::size_t end) {
        if (number_.empty()) return true;
        if (number_.isSign()) {
            list(TokenKind::Subtract, number_.position());
        } else if (const auto value = ConvertNumber(
                       formula_.substr(number_.start(), end - number_.start()), number_.digits())) {
            list_.tokens.push_back({TokenKind::Number, number_.position(), *value});
        } else {
            list_.errorPosition = number_.position();
            return false;
        }
        number_.clear();
        return true;
    }

    void list(TokenKind kind, std::size_t position) { list_.tokens.push_back({kind, position}); }

    NumberBuffer& number() { return number_; }

  private:
    std::string_view formula_;
    TokenList& list_;
    NumberBuffer number_;
};

TokenKind OperatorKind(char c) {
    switch (c) {
        case '(':
            return TokenKind::Open;
        case ')':
            return TokenKind::Close;
        case '*':
            return TokenKind::Multiply;
        case '/':
            return TokenKind::Divide;
        case '+':
            return TokenKind::Add;
        default:
            return TokenKind::Subtract;
    }
}

}  // namespace

// The list operations are compiled into the loop: a formula lists a handful
// of tokens, and a call for each costs more than the work it does.
[[gnu::flatten]] void Tokenise(std::string_view formula, TokenList& result) {
    result.tokens.clear();
    result.errorPosition = kNoError;
    result.tokens.reserve(formula.size() + 1);
    TokenReader reader(formula, result);
    NumberBuffer& number = reader.number();
    std::size_t position = 0;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const char c = formula[i];
        if (IsContinuationByte(c)) continue;
        const std::size_t at = position++;
        if (IsDigit(c)) {
            number.addDigit(i, at, c);
            continue;
        }
        switch (c) {
            case '.':
                number.addPoint(i, at);
                continue;
            case 'X':
            case 'Y':
                if (number.isSign()) {
                    number.clear();
                    result.tokens.push_back({TokenKind::Number, at, -1.0L});
                    reader.list(TokenKind::Multiply, at);
                } else if (!reader.listNumber(i)) {
                    return;
                }
                reader.list(c == 'X' ? TokenKind::VariableX : TokenKind::VariableY, at);
                continue;
            case '+':
                if (at == 0) continue;
                break;
            case '-':
                if (at == 0) {
                    number.startSign(i, at);
                    continue;
                }
                if (number.empty()) {
                    if (result.tokens.empty()) {
                        result.errorPosition = at;
                        return;
                    }
                    if (result.tokens.back().kind == TokenKind::Open) {
                        number.startSign(i, at);
                        continue;
                    }
                }
                break;
            case '(':
            case ')':
            case '*':
            case '/':
            case '=':
                break;
            default:
                continue;
        }
        if (!reader.listNumber(i)) return;
        if (c == '=') return;
        reader.list(OperatorKind(c), at);
    }
    reader.listNumber(formula.size());
    return;
}

TokenList Tokenise(std::string_view formula, std::pmr::memory_resource* memory) {
    TokenList result{std::pmr::vector<Token>(memory)};
    Tokenise(formula, result);
    return result;
}

}  // namespace tavrik
