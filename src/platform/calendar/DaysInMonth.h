#pragma once

namespace o {

// Days of a month of the Gregorian calendar; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

}  // namespace o
