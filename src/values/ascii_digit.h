// Whether a byte is one of the digits 0–9, whatever the process's locale.
#pragma once

namespace tavrik {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace tavrik
