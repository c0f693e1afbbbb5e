// Finding the version resource inside an executable image.
#pragma once

#include <cstdint>

#include "posix/window_reader.h"

// The two stored forms of a version block: the 32-bit one with UTF-16 keys and
// values and a type field, and the 16-bit one with narrow strings.
enum class BlockForm { kWide, kNarrow };

// Where the version resource's bytes lie in the file.
struct ResourceLocation {
  uint64_t offset = 0;
  uint32_t size = 0;
  BlockForm form = BlockForm::kWide;
};

// Finds the version resource (type 16) of the image behind `reader`. False
// when the bytes are not an image with one, or its tables are broken.
[[nodiscard]] bool LocateVersionResource(WindowReader& reader, ResourceLocation* out);

// The format-specific halves, given the offset of the new header that the
// DOS header names.
[[nodiscard]] bool LocatePeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out);
[[nodiscard]] bool LocateNeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out);
[[nodiscard]] bool LocateLeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out);
