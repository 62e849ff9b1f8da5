// The clock's units, one in terms of the next.
#pragma once

namespace tavrik {

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

}  // namespace tavrik
