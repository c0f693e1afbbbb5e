// The windowed reader.
#include "posix/window_reader.h"

#include <cstring>

bool WindowReader::View(uint64_t offset, size_t length, ByteView* out) {
  if (length > kWindowSize) return false;
  bool inside = loaded_ && offset >= start_ && Fits(offset - start_, length, filled_);
  if (!inside) {
    start_ = offset;
    filled_ = source_.ReadAt(offset, window_, kWindowSize);
    loaded_ = true;
    if (length > filled_) return false;
  }
  out->data = window_ + (offset - start_);
  out->size = length;
  return true;
}

size_t WindowReader::Read(uint64_t offset, void* out, size_t length) {
  if (loaded_ && offset >= start_ && Fits(offset - start_, length, filled_)) {
    std::memcpy(out, window_ + (offset - start_), length);
    return length;
  }
  return source_.ReadAt(offset, out, length);
}

bool WindowReader::U16(uint64_t offset, uint16_t* out) {
  ByteView view;
  return View(offset, 2, &view) && ReadU16(view, 0, out);
}

bool WindowReader::U32(uint64_t offset, uint32_t* out) {
  ByteView view;
  return View(offset, 4, &view) && ReadU32(view, 0, out);
}
