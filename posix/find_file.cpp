// Directory enumeration on Linux. The directory part of a specification is
// taken literally ('\' and '/' both separate); the name part is matched
// against each entry as the directory yields it, one at a time.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "posix/name_match.h"
#include "posix/native_path.h"
#include "posix/regular_file_note.h"
#include "posix/win_api.h"

namespace {

struct FindState {
  DIR* directory = nullptr;  // null for a name that was found directly
  char directoryPath[PATH_MAX];
  char pattern[PATH_MAX];
};

// One enumeration is kept for reuse once closed, so that the thousands of
// specifications a shell expands do not allocate one each.
FindState* spareState = nullptr;

FindState* NewState() {
  FindState* state = spareState != nullptr ? spareState : new FindState;
  spareState = nullptr;
  state->directory = nullptr;
  return state;
}

void ReleaseState(FindState* state) {
  if (spareState == nullptr) {
    spareState = state;
  } else {
    delete state;
  }
}

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// Linux has no drive letters: "C:..." names nothing.
bool HasDrive(const char* spec) {
  char c = spec[0];
  return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && spec[1] == ':';
}

// What the enumeration knows of an entry's type.
enum class EntryKind { kDirectory, kRegular, kOther, kUnknown };

EntryKind KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::kDirectory;
  return S_ISREG(mode) ? EntryKind::kRegular : EntryKind::kOther;
}

// Fills `found` for the entry `name` in `directoryPath`. Symbolic links are
// followed; an entry that cannot be examined counts as a file.
bool Describe(const char* directoryPath, const char* name, EntryKind kind, WIN32_FIND_DATAA* found,
              int fd = -1) {
  size_t nameLength = std::strlen(name);
  if (nameLength >= sizeof(found->cFileName)) {
    if (fd >= 0) close(fd);
    return false;
  }
  if (kind == EntryKind::kUnknown) {
    char path[PATH_MAX + NAME_MAX + 2];
    int written = std::snprintf(path, sizeof(path), "%s%s", directoryPath, name);
    struct stat info;
    if (written > 0 && static_cast<size_t>(written) < sizeof(path) && stat(path, &info) == 0) {
      kind = KindOf(info.st_mode);
    }
  }
  if (kind == EntryKind::kRegular) {
    NoteRegularFile(directoryPath, name, fd);
  } else if (fd >= 0) {
    close(fd);
  }
  found->dwFileAttributes =
      kind == EntryKind::kDirectory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  found->nFileSizeHigh = 0;
  found->nFileSizeLow = 0;
  std::memcpy(found->cFileName, name, nameLength + 1);
  return true;
}

bool NextMatch(FindState* state, WIN32_FIND_DATAA* found) {
  while (struct dirent* entry = readdir(state->directory)) {
    if (!MatchesName(state->pattern, entry->d_name)) continue;
    EntryKind kind = entry->d_type == DT_DIR   ? EntryKind::kDirectory
                     : entry->d_type == DT_REG ? EntryKind::kRegular
                     : entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN ? EntryKind::kUnknown
                                                                              : EntryKind::kOther;
    if (Describe(state->directoryPath, entry->d_name, kind, found)) return true;
  }
  return false;
}

}  // namespace

HANDLE WINAPI FindFirstFileA(const char* spec, WIN32_FIND_DATAA* found) {
  if (spec == nullptr || found == nullptr || HasDrive(spec)) return INVALID_HANDLE_VALUE;
  size_t length = std::strlen(spec);
  size_t nameStart = length;
  while (nameStart > 0 && !IsSeparator(spec[nameStart - 1])) --nameStart;
  const char* name = spec + nameStart;
  if (*name == '\0' || nameStart >= PATH_MAX || length - nameStart >= PATH_MAX) {
    return INVALID_HANDLE_VALUE;
  }
  FindState* state = NewState();
  if (!ToNativePath(spec, nameStart, state->directoryPath, sizeof(state->directoryPath))) {
    ReleaseState(state);
    return INVALID_HANDLE_VALUE;
  }
  std::memcpy(state->pattern, name, length - nameStart + 1);

  // A name without wildcards is looked up directly: the thousands of paths a
  // shell expands then cost one lookup each, not a directory scan each. It is
  // opened to learn its type, and a regular file stays open for the version
  // API, which reads it next.
  if (!HasWildcard(name)) {
    char path[PATH_MAX];
    if (ToNativePath(spec, length, path, sizeof(path))) {
      struct stat info;
      int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
      bool examined = fd >= 0 ? fstat(fd, &info) == 0 : stat(path, &info) == 0;
      if (examined && !S_ISDIR(info.st_mode)) {
        if (Describe(state->directoryPath, name, KindOf(info.st_mode), found, fd)) return state;
      } else if (fd >= 0) {
        close(fd);
      }
    }
  }
  state->directory = opendir(nameStart == 0 ? "." : state->directoryPath);
  if (state->directory != nullptr && NextMatch(state, found)) return state;
  FindClose(state);
  return INVALID_HANDLE_VALUE;
}

BOOL WINAPI FindNextFileA(HANDLE find, WIN32_FIND_DATAA* found) {
  auto* state = static_cast<FindState*>(find);
  if (state == nullptr || find == INVALID_HANDLE_VALUE || state->directory == nullptr) {
    return FALSE;
  }
  return NextMatch(state, found) ? TRUE : FALSE;
}

BOOL WINAPI FindClose(HANDLE find) {
  if (find == nullptr || find == INVALID_HANDLE_VALUE) return FALSE;
  auto* state = static_cast<FindState*>(find);
  if (state->directory != nullptr) closedir(state->directory);
  ReleaseState(state);
  return TRUE;
}
