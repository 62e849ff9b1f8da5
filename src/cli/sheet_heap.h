// The heap of a console run that answers a sheet: the sheet's large buffers
// (the file's bytes, its text, the answers, the answered text) touch memory
// a page at a time, and each new page costs a fault.
#pragma once

#include <filesystem>
#include <optional>

namespace tavrik::cli {

// Keeps large blocks in the heap, so that the memory one buffer leaves is
// used again by the next; with a sheet file, also makes room for its
// buffers at once in huge pages where the system offers them, which are
// faulted in once per 2 MiB instead of once per 4 KiB.
void PrepareSheetHeap(const std::optional<std::filesystem::path>& sheetFile);

}  // namespace tavrik::cli
