// Sizes of the file-specification buffers. Windows bounds paths at 260 bytes;
// on Linux a directory must never be cut into a different one, so the path
// buffers take the platform's own limit there.
#pragma once

#include <cstddef>

#ifdef _WIN32
constexpr size_t kSpecSplitLength = 260;  // the specification is cut to this for the split
constexpr size_t kDirPartSize = 256;
constexpr size_t kDirPrefixSize = 260;
#else
#include <climits>
constexpr size_t kSpecSplitLength = PATH_MAX;
constexpr size_t kDirPartSize = PATH_MAX;
constexpr size_t kDirPrefixSize = PATH_MAX + 3;
#endif
constexpr size_t kDrivePartSize = 3;
// A prefix and an entry's name (at most 255 bytes) always fit, so a long path
// is reported whole rather than cut.
constexpr size_t kFullPathSize = kDirPrefixSize + 256;
