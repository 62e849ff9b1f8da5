// Operators of time and date mode: the operands stay texts.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// `first` op `second`, where op is an operator key code (19 + … 22 /): the
// result text, also shown as an information message. A combination without
// meaning reports "論理エラー" (and an invalid calendar date "日付エラー") and
// yields `second`. Outside its own mode each returns `second` untouched.
// Both restart `unitLevel`, so unit results come out in the largest units,
// and leave it at the level of the result.
std::string TimeOperation(const ValueContext& ctx, int& unitLevel, int op, std::string_view first,
                          std::string_view second);
std::string DateOperation(const ValueContext& ctx, int& unitLevel, int op, std::string_view first,
                          std::string_view second);

// A duration in seconds as a time text in the largest units; `unitLevel`
// follows it.
std::string TimeResult(const ValueContext& ctx, int& unitLevel, long double seconds);

}  // namespace tavrik
