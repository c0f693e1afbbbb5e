// Byte sources: reads from memory and from regular files.
#include "posix/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

size_t MemorySource::ReadAt(uint64_t offset, void* out, size_t length) {
  if (offset >= size_) return 0;
  size_t available = size_ - static_cast<size_t>(offset);
  size_t count = length < available ? length : available;
  std::memcpy(out, data_ + offset, count);
  return count;
}

FileSource::~FileSource() {
  if (fd_ >= 0) close(fd_);
}

bool FileSource::Open(const char* path) {
  // O_NONBLOCK: opening a FIFO that nobody writes to must not wait for a
  // writer. The file type is checked before anything is read.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  size_ = static_cast<uint64_t>(info.st_size);
  return true;
}

size_t FileSource::ReadAt(uint64_t offset, void* out, size_t length) {
  if (fd_ < 0 || offset >= size_) return 0;
  // Reads stop at the size the file had when opened, which saves a read
  // call that would only find the end.
  if (length > size_ - offset) length = static_cast<size_t>(size_ - offset);
  size_t done = 0;
  auto* bytes = static_cast<uint8_t*>(out);
  while (done < length) {
    ssize_t got = pread(fd_, bytes + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}
