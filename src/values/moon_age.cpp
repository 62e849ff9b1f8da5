#include "values/moon_age.h"

#include <cmath>

#include "values/number_text.h"

namespace tavrik {

namespace {

constexpr long double kFirstNewMoon = 2451550.09765L;  // new moon of 2000-01-06
constexpr long double kSynodicMonth = 29.530589L;
constexpr long double kRadiansPerDegree = 0.017453292519943L;

}  // namespace

std::string MoonAgeText(double jd) {
    const auto k = static_cast<std::int32_t>(std::floor((jd - kFirstNewMoon) / kSynodicMonth));
    const long double t = k / 1236.85L;
    const long double m = std::sin((385.8169L * k + 201.5643L) * kRadiansPerDegree);
    const long double f = std::sin((29.1054L * k + 2.5534L) * kRadiansPerDegree);
    const double newMoon = static_cast<double>(kFirstNewMoon + kSynodicMonth * k +
                                               0.0001337L * t * t - 0.4072L * m + 0.17241L * f);
    double age = jd - newMoon;
    if (age < 0) age += static_cast<double>(kSynodicMonth);
    const long double tenths = std::nearbyint(age / 0.1L);
    return GeneralForm(tenths * 0.1L, 15);
}

}  // namespace tavrik
