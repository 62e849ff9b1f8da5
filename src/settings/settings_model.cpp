#include "settings/settings_model.h"

#include "settings/function_codes.h"

namespace tavrik {

std::string DefaultFunctionTitle(int code) {
    if (code <= kNoFunction) return {};
    return std::string(1, 'f').append(std::to_string(code));
}

std::string DefaultFunctionGroupName(int index) {
    return "関数" + std::to_string(index);
}

GlobalSettings::GlobalSettings() {
    for (int code = kNoFunction; code <= kLastFunction; ++code)
        FT[code - kNoFunction] = DefaultFunctionTitle(code);
    for (int i = 0; i < 10; ++i) FName[i] = DefaultFunctionGroupName(i + 1);
    F.fill(kNoFunction);
    ApplyDigitKeyDefaults(*this);
}

const std::string& GlobalSettings::FunctionTitle(int code) const {
    static const std::string empty;
    if (code < kNoFunction || code > kLastFunction) return empty;
    return FT[code - kNoFunction];
}

void ApplyDigitKeyDefaults(GlobalSettings& settings) {
    for (int digit = 0; digit <= 9; ++digit) {
        std::string& entry = settings.Keys[48 + digit];
        if (entry.empty()) entry = std::string(4, static_cast<char>('0' + digit));
    }
}

}  // namespace tavrik
