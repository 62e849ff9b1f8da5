// The first stage of evaluation: a formula text as a list of tokens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <string_view>
#include <vector>

#include "formula/stage_result.h"

namespace tavrik {

enum class TokenKind : std::uint8_t {
    Number,  // also a negative number such as "-3"
    VariableX,
    VariableY,
    Add,
    Subtract,
    Multiply,
    Divide,
    Open,
    Close,
};

// The position before the value packs a token into 32 bytes instead of 48.
struct Token {
    TokenKind kind;
    std::size_t position = 0;  // character of the formula the token starts at
    long double value = 0;     // numbers only
};

struct TokenList {
    std::pmr::vector<Token> tokens;
    // A number text that does not convert, or a "-" with nothing listed before it.
    std::size_t errorPosition = kNoError;
};

// Reads the formula up to its "=" (or its end). A "-" is the sign of the next
// number at the start and directly after "("; elsewhere it is subtraction.
// A "-" sign before X or Y lists -1 and "*". Other characters are ignored.
TokenList Tokenise(std::string_view formula,
                   std::pmr::memory_resource* memory = std::pmr::get_default_resource());
// The same into `list`, whose earlier tokens it replaces: a list kept from
// one formula to the next keeps its room.
void Tokenise(std::string_view formula, TokenList& list);

// Binding strength: "(" 4, ")" 1, "*" "/" 3, "+" "-" 2, operands 5.
constexpr int OperatorPriority(TokenKind kind) {
    switch (kind) {
        case TokenKind::Open:
            return 4;
        case TokenKind::Close:
            return 1;
        case TokenKind::Multiply:
        case TokenKind::Divide:
            return 3;
        case TokenKind::Add:
        case TokenKind::Subtract:
            return 2;
        default:
            return 5;
    }
}

}  // namespace tavrik
