// The byte layout of code page 932: which bytes lead a two-byte character,
// and where each one- or two-byte sequence sits in the decoding tables.
#pragma once

#include <cstddef>

namespace tavrik::cp932 {

inline constexpr unsigned kAsciiCount = 0x80;
inline constexpr unsigned kHighSingles = 0x80;  // the single bytes 0x80 … 0xFF
inline constexpr unsigned kFirstTrail = 0x40;
inline constexpr unsigned kLastTrail = 0xFC;
inline constexpr unsigned kTrailsPerLead = kLastTrail - kFirstTrail + 1;
inline constexpr unsigned kLeadRows = 60;  // 0x81 … 0x9F and 0xE0 … 0xFC

constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The place of a lead and trail byte pair in the two-byte table.
constexpr std::size_t DoubleIndex(unsigned lead, unsigned trail) {
    const unsigned row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return std::size_t{row} * kTrailsPerLead + (trail - kFirstTrail);
}

}  // namespace tavrik::cp932
