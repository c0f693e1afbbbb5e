// Windows-style paths on Linux: '\' separates directories just as '/' does.
#pragma once

#include <cstddef>

// Copies `path` into `out` (`size` bytes) with every '\' turned into '/'.
// False when it does not fit.
[[nodiscard]] bool ToNativePath(const char* path, size_t length, char* out, size_t size);
