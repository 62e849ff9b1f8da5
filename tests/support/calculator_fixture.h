// A started calculator with a recording view and a fixed clock, and a helper
// that types a key sequence in the console's key characters.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "support/recording_view.h"

namespace tavrik::testing {

class CalculatorTest : public ::testing::Test {
  protected:
    CalculatorTest() : clock({2024, 5, 3, 14, 25, 36}), calc(view, clock) {}

    // Starts the calculator in `mode` after the test has adjusted its settings.
    void start(CalcMode mode = CalcMode::Decimal) {
        calc.editSettings(
            [&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].Mode = static_cast<char>(mode); });
        calc.start();
    }

    // Presses the code of each character of `keys` (key code string); blanks are skipped.
    void keys(std::string_view keys) {
        for (char c : keys) {
            if (c == ' ') continue;
            const int code = CodeOfKeyChar(c);
            ASSERT_GT(code, 0) << "no key for '" << c << "'";
            calc.PushBBtn(code);
        }
    }

    const std::string& display() const { return calc.displayText(); }
    std::vector<std::string> historyLines() const {
        const auto& lines = calc.history().current().lines;
        return {lines.begin(), lines.end()};
    }

    RecordingView view;
    FixedClock clock;
    Calculator calc;
};

}  // namespace tavrik::testing
