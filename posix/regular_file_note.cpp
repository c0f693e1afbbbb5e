// The note of the last regular file the enumeration yielded.
#include "posix/regular_file_note.h"

#include <unistd.h>

#include <climits>
#include <cstring>

namespace {
char notedPath[PATH_MAX];
bool noted = false;
int notedFd = -1;

void Forget() {
  if (notedFd >= 0) close(notedFd);
  notedFd = -1;
  noted = false;
}
}  // namespace

void NoteRegularFile(const char* directory, const char* name, int fd) {
  Forget();
  size_t directoryLength = std::strlen(directory);
  size_t nameLength = std::strlen(name);
  if (directoryLength + nameLength >= sizeof(notedPath)) {
    if (fd >= 0) close(fd);
    return;
  }
  std::memcpy(notedPath, directory, directoryLength);
  std::memcpy(notedPath + directoryLength, name, nameLength + 1);
  notedFd = fd;
  noted = true;
}

bool TakeRegularFileNote(const char* nativePath, int* fd) {
  bool match = noted && std::strcmp(notedPath, nativePath) == 0;
  if (!match) {
    Forget();
    return false;
  }
  *fd = notedFd;
  notedFd = -1;
  noted = false;
  return true;
}
