// Where the reader takes a file's bytes from: an open file or a buffer in
// memory, so that the same reader serves the command line and the fuzzers.
#pragma once

#include <cstddef>
#include <cstdint>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `length` bytes at `offset` into `out` and returns how many
  // were copied; fewer at the end of the data or on a read error.
  virtual size_t ReadAt(uint64_t offset, void* out, size_t length) = 0;
};

// Bytes held in memory.
class MemorySource final : public ByteSource {
 public:
  MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t ReadAt(uint64_t offset, void* out, size_t length) override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// A regular file opened for reading. Anything else (a FIFO, a device, a
// directory, a socket) is refused before a single byte is read from it, so
// nothing can block.
class FileSource final : public ByteSource {
 public:
  FileSource() = default;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  ~FileSource() override;
  // Opens `path`; false when it cannot be opened or is not a regular file.
  [[nodiscard]] bool Open(const char* path);
  size_t ReadAt(uint64_t offset, void* out, size_t length) override;

 private:
  int fd_ = -1;
};
