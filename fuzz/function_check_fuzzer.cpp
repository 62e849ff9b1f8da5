// Arbitrary text as a user function's formula: the check always ends with one
// of its messages, a fault pointing into the blank-free formula.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formula/function_check.h"
#include "values/utf8.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    const auto check = tavrik::CheckFunctionFormula(formula);
    if (formula.empty()) {
        Require(!check.has_value());
        return 0;
    }
    Require(check.has_value());
    if (check->kind == tavrik::BoxKind::Information) {
        Require(check->message == "確認しました");
    } else if (check->message == "「X」がありません") {
        Require(formula.find('Y') != std::string_view::npos);
        Require(formula.find('X') == std::string_view::npos);
    } else {
        Require(check->kind == tavrik::BoxKind::Warning);
        Require(check->message.ends_with("があります"));
        Require(check->errorPosition < tavrik::utf8::Length(formula));
    }
    return 0;
}
