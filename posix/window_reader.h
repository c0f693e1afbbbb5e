// Serves the small reads of headers and resource tables from one window of the
// file, so that locating a version resource costs a few read calls in all.
#pragma once

#include <cstddef>
#include <cstdint>

#include "posix/byte_source.h"
#include "posix/byte_view.h"

class WindowReader {
 public:
  static constexpr size_t kWindowSize = 4096;

  explicit WindowReader(ByteSource& source) : source_(source) {}
  WindowReader(const WindowReader&) = delete;
  WindowReader& operator=(const WindowReader&) = delete;

  // Views `length` bytes (at most kWindowSize) at `offset`. False when the
  // source holds fewer bytes there. The view lasts until the next call.
  [[nodiscard]] bool View(uint64_t offset, size_t length, ByteView* out);

  // Copies up to `length` bytes at `offset` into `out`, from the window when
  // it holds them all, and returns how many were copied.
  size_t Read(uint64_t offset, void* out, size_t length);

  [[nodiscard]] bool U16(uint64_t offset, uint16_t* out);
  [[nodiscard]] bool U32(uint64_t offset, uint32_t* out);


 private:
  ByteSource& source_;
  uint64_t start_ = 0;
  size_t filled_ = 0;
  bool loaded_ = false;
  uint8_t window_[kWindowSize];
};
