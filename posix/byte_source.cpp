// Byte sources: reads from memory and from regular files.
#include "posix/byte_source.h"

#include "posix/regular_file_note.h"

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
  // A path the enumeration has just seen as a regular file is opened without
  // looking at its type again. Anything else is checked after opening, before
  // a single byte is read. O_NONBLOCK: opening a FIFO that nobody writes to
  // must not wait for a writer, and reading one must not wait either.
  int fd = -1;
  bool knownRegular = TakeRegularFileNote(path, &fd);
  if (fd < 0) fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat info;
  if (!knownRegular && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

size_t FileSource::ReadAt(uint64_t offset, void* out, size_t length) {
  if (fd_ < 0 || offset > static_cast<uint64_t>(INT64_MAX)) return 0;
  // A regular file returns fewer bytes than asked only at its end, so one
  // read call is enough; repeating it would only find the end again.
  for (;;) {
    ssize_t got = pread(fd_, out, length, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    return got < 0 ? 0 : static_cast<size_t>(got);
  }
}
