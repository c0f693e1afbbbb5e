// The note of the last regular file the enumeration yielded.
#include "posix/regular_file_note.h"

#include <climits>
#include <cstring>

namespace {
char notedPath[PATH_MAX];
bool noted = false;
}  // namespace

void NoteRegularFile(const char* directory, const char* name) {
  size_t directoryLength = std::strlen(directory);
  size_t nameLength = std::strlen(name);
  noted = directoryLength + nameLength < sizeof(notedPath);
  if (!noted) return;
  std::memcpy(notedPath, directory, directoryLength);
  std::memcpy(notedPath + directoryLength, name, nameLength + 1);
}

bool TakeRegularFileNote(const char* nativePath) {
  bool match = noted && std::strcmp(notedPath, nativePath) == 0;
  noted = false;
  return match;
}
