// The tax keys: an amount with the tax added, with it taken out, or the tax
// an amount with tax contains, each rounded to whole yen by the tax rounding.
#pragma once

namespace tavrik {

enum class TaxKind { Included, Excluded, Contained };

// Tax rounding: 0 none, 1 half away from zero (+0.5), 2 down, 3 up; 切り上げ
// adds 0.9 and truncates, so a fraction below 0.1 is dropped. A whole-yen
// amount is rounded in exact integers, so no binary fraction tips a yen.
long double TaxResult(TaxKind kind, int ratePercent, int taxRound, long double x);

}  // namespace tavrik
