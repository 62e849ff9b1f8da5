// A value context for time and date texts: a recording view, a log that keeps
// its lines and a clock fixed at 2024-05-03 14:25:36.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_view.h"
#include "values/error_report.h"
#include "values/message_line.h"
#include "values/value_context.h"

namespace tavrik::testing {

class UnitContextTest : public ::testing::Test {
  protected:
    UnitContextTest() : status(view), errors(view, status, log), services{errors, status, clock} {
        rules.mode = CalcMode::Time;
    }

    // The last error message shown, or empty.
    const std::string& errorShown() const { return status.strip(); }
    // The information line (status-bar panel 2).
    const std::string& infoShown() const { return status.panel(StatusPart::Message); }

    struct KeptLog : LogSink {
        void WriteLog(std::string_view line) override { lines.emplace_back(line); }
        std::vector<std::string> lines;
    };

    RecordingView view;
    KeptLog log;
    StatusLine status;
    ErrorReporter errors;
    FixedClock clock{DateTime{2024, 5, 3, 14, 25, 36}};
    ValueRules rules;
    ValueServices services;
    ValueContext ctx{rules, services};
};

}  // namespace tavrik::testing
