// Reading a file's version resource: locate it, then read exactly its bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "posix/byte_source.h"
#include "posix/image_locate.h"

// Reads the version resource of the image in `source` into `out` (room for
// kMaxVersionResource bytes). False when there is none or it is cut short.
[[nodiscard]] bool ReadVersionResource(ByteSource& source, uint8_t* out, size_t* size,
                                       BlockForm* form);
