// Keys of time and date mode: unit keys, arrange, convert, weekday, calendar
// and the next-unit keys.
#include "engine/calculator.h"

namespace tavrik {

void Calculator::timeUnitKey(int) {}
void Calculator::dateUnitKey(int) {}
void Calculator::weekdayKey() {}
void Calculator::calendarKey() {}
void Calculator::arrangeKey() {}
void Calculator::convertKey() {}
void Calculator::nextUnitKey(int) {}

}  // namespace tavrik
