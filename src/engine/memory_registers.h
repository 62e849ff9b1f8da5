// The four memory registers. A register holds display text, not a number.
#pragma once

#include <array>
#include <string>

namespace tavrik {

struct MemoryRegisters {
    std::array<std::string, 4> texts{"0", "0", "0", "0"};
    int current = 0;  // CurrentMemorySlot

    // The current register's store button shows "■" and is disabled; the others ">".
    static constexpr const char* kCurrentCaption = "■";
    static constexpr const char* kStoreCaption = ">";
    static constexpr const char* kRecallCaption = ">";
    const char* storeCaption(int slot) const {
        return slot == current ? kCurrentCaption : kStoreCaption;
    }
};

}  // namespace tavrik
