#include "engine/keypad_face.h"

#include "settings/key_codes.h"

namespace tavrik {

KeypadFace DesignKeypad() {
    static constexpr const char* kCaptions[kKeySlots] = {
        "",  "0",   "1",  "2",  "3",  "4",   "5",  "6",  "7",  "8",    "9",  "A",
        "B", "C",   "D",  "E",  "F",  "000", ".",  "+",  "-",  "*",    "/",  "=",
        "%", "+/-", "CR", "M+", "M-", "MR",  "MC", "AC", "BS", "税込", "抜", "Cb"};
    KeypadFace face;
    for (int tag = 1; tag <= kOnScreenKeys; ++tag)
        face[tag] = KeyFace{kCaptions[tag], tag, true, false, {}};
    return face;
}

}  // namespace tavrik
