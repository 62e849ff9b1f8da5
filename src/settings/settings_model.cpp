#include "settings/settings_model.h"

namespace tavrik {

std::string DefaultFunctionTitle(int code) {
    if (code <= 100) return {};
    return "f" + std::to_string(code);
}

std::string DefaultFunctionGroupName(int index) {
    return "関数" + std::to_string(index);
}

GlobalSettings::GlobalSettings() {
    for (int code = 100; code <= 200; ++code) FT[code - 100] = DefaultFunctionTitle(code);
    for (int i = 0; i < 10; ++i) FName[i] = DefaultFunctionGroupName(i + 1);
    F.fill(100);
    ApplyDigitKeyDefaults(*this);
}

const std::string& GlobalSettings::FunctionTitle(int code) const {
    static const std::string empty;
    if (code < 100 || code > 200) return empty;
    return FT[code - 100];
}

void ApplyDigitKeyDefaults(GlobalSettings& settings) {
    for (int digit = 0; digit <= 9; ++digit) {
        std::string& entry = settings.Keys[48 + digit];
        if (entry.empty()) entry = std::string(4, static_cast<char>('0' + digit));
    }
}

}  // namespace tavrik
