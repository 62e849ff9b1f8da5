#include "ui/panels/key_grid.h"

#include <cmath>

#include "settings/key_codes.h"

namespace tavrik::ui {

int KeyCellWidth(int glyphWidth, int digitsB) {
    return static_cast<int>(std::lround(glyphWidth * digitsB / 10.0));
}

int KeyCellHeight(int glyphHeight) {
    return static_cast<int>(std::lround((glyphHeight + 4) * 1.3));
}

KeyGrid DefaultKeyGrid(int w, int h, int g) {
    KeyGrid grid;
    const auto put = [&](int tag, int left, int top, int width) {
        grid.keys[static_cast<std::size_t>(tag)] = {left, top, width, h};
    };
    // Columns: three digit columns side by side, then a gap before the
    // operators and another before the memory column.
    const int c0 = 0, c1 = w, c2 = 2 * w, c3 = 3 * w + g, c4 = 4 * w + g, c5 = 5 * w + 2 * g;

    put(kAllClear, c0, 0, 2 * w - g);
    put(kBackspace, c2, 0, w);
    put(kTaxIn, c3, 0, w);
    put(kTaxOut, c4, 0, w);
    put(kCopy, c5, 0, w);

    const int digitRows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    const int operatorColumn[3] = {kDivide, kMultiply, kSubtract};
    const int sideColumn[3] = {kClearEntry, kPercent, kChangeSign};
    const int memoryColumn[3] = {kMemoryClear, kMemoryRecall, kMemorySubtract};
    for (int row = 0; row < 3; ++row) {
        const int top = (row + 1) * h + g;
        put(kDigit0 + digitRows[row][0], c0, top, w);
        put(kDigit0 + digitRows[row][1], c1, top, w);
        put(kDigit0 + digitRows[row][2], c2, top, w);
        put(operatorColumn[row], c3, top, w);
        put(sideColumn[row], c4, top, w);
        put(memoryColumn[row], c5, top, w);
    }

    const int zeroRow = 4 * h + g;
    put(kDigit0, c0, zeroRow, w);
    put(kThreeZeros, c1, zeroRow, w);
    put(kPoint, c2, zeroRow, w);
    put(kAdd, c3, zeroRow, w);
    put(kEquals, c4, zeroRow, w);
    put(kMemoryAdd, c5, zeroRow, w);

    const int letterRow = 5 * h + 2 * g;
    put(kKeyA, c0, letterRow, w);
    put(kKeyA + 1, c1, letterRow, w);
    put(kKeyA + 2, c2, letterRow, w + g);
    put(kKeyA + 3, c3, letterRow, w);
    put(kKeyA + 4, c4, letterRow, w + g);
    put(kKeyF, c5, letterRow, w);

    grid.width = 6 * w + 2 * g;
    grid.height = 6 * h + 2 * g;
    return grid;
}

}  // namespace tavrik::ui
