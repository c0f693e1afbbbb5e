// UTF-16 (little-endian bytes, as version resources store it) to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>

#include "posix/byte_view.h"

// Decodes the code point at unit `*unit` of `units` (2 bytes a unit) and
// advances `*unit`. An unpaired surrogate decodes as U+FFFD.
uint32_t NextCodePoint(ByteView units, size_t* unit);

// Writes the UTF-8 form of `codePoint` to `out` (4 bytes of room) and returns
// its length.
size_t EncodeUtf8(uint32_t codePoint, char* out);
