// The permission bits this folder's writers give a file they create and test
// before writing one.
#pragma once

#include <sys/types.h>

namespace tavrik {

constexpr mode_t kNewFileMode = 0666;  // less the user's umask, as the system creates files
constexpr mode_t kAnyWriteBit = 0222;

}  // namespace tavrik
