// A bounded view of bytes and the checked little-endian reads that are the
// only way the reader looks at bytes from a file.
#pragma once

#include <cstddef>
#include <cstdint>

struct ByteView {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

// Whether `length` bytes at `offset` lie inside `size` bytes. Written as a
// subtraction so that no offset from a file can overflow the check.
[[nodiscard]] inline bool Fits(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

[[nodiscard]] inline bool ReadU8(ByteView view, size_t offset, uint8_t* out) {
  if (!Fits(offset, 1, view.size)) return false;
  *out = view.data[offset];
  return true;
}

[[nodiscard]] inline bool ReadU16(ByteView view, size_t offset, uint16_t* out) {
  if (!Fits(offset, 2, view.size)) return false;
  *out = static_cast<uint16_t>(view.data[offset] | (view.data[offset + 1] << 8));
  return true;
}

[[nodiscard]] inline bool ReadU32(ByteView view, size_t offset, uint32_t* out) {
  if (!Fits(offset, 4, view.size)) return false;
  *out = static_cast<uint32_t>(view.data[offset]) |
         (static_cast<uint32_t>(view.data[offset + 1]) << 8) |
         (static_cast<uint32_t>(view.data[offset + 2]) << 16) |
         (static_cast<uint32_t>(view.data[offset + 3]) << 24);
  return true;
}

[[nodiscard]] inline bool SubView(ByteView view, size_t offset, size_t length, ByteView* out) {
  if (!Fits(offset, length, view.size)) return false;
  out->data = view.data + offset;
  out->size = length;
  return true;
}
