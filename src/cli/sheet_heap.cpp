#include "cli/sheet_heap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#include <malloc.h>
#include <sys/mman.h>

namespace tavrik::cli {

namespace {

// A sheet's file, decoded text and answered text are each a few megabytes.
// Kept in the heap rather than in mappings of their own, the memory one of
// them leaves is used again by the next instead of being faulted in anew.
constexpr std::size_t kSheetBufferMappingThreshold = std::size_t{64} << 20;
// The buffers of a run together take about this many times the file's bytes.
constexpr std::size_t kHeapPerFileByte = 6;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Room for fewer whole huge pages than this is left to ordinary pages.
constexpr std::size_t kFewestHugePages = 2;

// Marks the whole huge pages inside `block` for huge pages.
void AdviseHugePages(void* block, std::size_t size) {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end >= first + kFewestHugePages * kHugePage)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}  // namespace

void PrepareSheetHeap(const std::optional<std::filesystem::path>& sheetFile) {
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kSheetBufferMappingThreshold));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kSheetBufferMappingThreshold));
    if (!sheetFile) return;
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(*sheetFile, error);
    if (error) return;
    // Taken from the heap and given back at once: the heap keeps the room
    // (it is below the trim threshold), and the buffers take it in turn.
    const std::size_t room = static_cast<std::size_t>(
        std::min<std::uintmax_t>(bytes * kHeapPerFileByte, kSheetBufferMappingThreshold - 1));
    if (room < kFewestHugePages * kHugePage) return;
    void* block = std::malloc(room);
    if (block == nullptr) return;
    AdviseHugePages(block, room);
    std::free(block);
}

}  // namespace tavrik::cli
