// The version block as GetFileVersionInfoA hands it to the caller, and the
// lookups of VerQueryValueA in it.
//
// Layout of a block whose root node is W bytes long:
//   [0, W)              the version resource as stored in the file
//   [A, A + 8)          a tag naming the stored form and the layout's
//                       generation, A = W rounded up to 4
//   [A + 8, end)        narrow, NUL-terminated copies of the string values;
//                       the value stored at offset v has its copy at v + v/2
// The copies are made when the block is laid out, so lookups only read. The
// v + v/2 placement gives every copy room for 1.5 bytes per stored byte (the
// most UTF-8 needs for UTF-16) without any index.
#pragma once

#include <cstddef>
#include <cstdint>

#include "posix/byte_view.h"
#include "posix/image_locate.h"

// The largest resource a version block can hold: its length field is 16 bits.
constexpr size_t kMaxVersionResource = 0xFFFF;

// Bytes a block needs for `resource`, or 0 when `resource` does not start
// with a usable root node.
size_t VersionBlockSize(ByteView resource, BlockForm form);

// Lays `resource` out in `block` (`blockSize` bytes). False, with the block
// untouched, when the resource has no usable root or needs more room.
[[nodiscard]] bool LayOutVersionBlock(ByteView resource, BlockForm form, uint8_t* block,
                                      size_t blockSize);

// Looks up `subBlock` in a laid-out block: its components are separated by
// '\', empty ones are skipped, and each matches a key case-insensitively.
// A string value under "\StringFileInfo\<table>\" comes back as its narrow
// copy; any other value as stored.
[[nodiscard]] bool QueryVersionBlock(const uint8_t* block, const char* subBlock,
                                     const uint8_t** value, size_t* length);
