// Age of the moon from the mean new-moon series (short form of Meeus).
#pragma once

#include <string>

namespace tavrik {

// Days since the preceding mean new moon at Julian day `jd`, rounded to one
// decimal (ties to even) and written in general form: '24.4', '3'.
std::string MoonAgeText(double jd);

}  // namespace tavrik
