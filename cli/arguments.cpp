// The entry's argument walk.
#include "cli/arguments.h"

#include <cstdio>
#include <cstring>

#include "cli/file_spec.h"
#include "report/options.h"
#include "text/texts.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <climits>
#endif

namespace {

#ifndef _WIN32
// On Linux an absolute path would otherwise read as an option group. It is a
// file specification when it holds a further '/' and the text before its last
// '/' names an existing directory; "/jfv" and "/windows/system/ver.dll" stay
// option groups.
bool IsAbsolutePathSpec(const char* arg) {
  const char* last = std::strrchr(arg, '/');
  if (last == arg) return false;
  size_t length = static_cast<size_t>(last - arg);
  char directory[PATH_MAX];
  if (length >= sizeof(directory)) return false;
  std::memcpy(directory, arg, length);
  directory[length] = '\0';
  struct stat info;
  return stat(directory, &info) == 0 && S_ISDIR(info.st_mode);
}
#endif

void Flip(int* flag) {
  *flag = *flag ? 0 : 1;
}

}  // namespace

bool IsOptionGroup(const char* arg) {
  if (arg[0] == '-') return true;
  if (arg[0] != '/') return false;
#ifndef _WIN32
  if (IsAbsolutePathSpec(arg)) return false;
#endif
  return true;
}

void ApplyOptionGroup(const char* arg) {
  for (const char* letter = arg + 1; *letter != '\0'; ++letter) {
    switch (*letter) {
      case 'j':
      case 'J':
        Flip(&optJapanese);
        break;
      case 'f':
      case 'F':
        Flip(&optFixedInfo);
        break;
      case 'v':
      case 'V':
        Flip(&optVerbose);
        break;
      case 'q':
      case 'Q':
        Flip(&optQuiet);
        break;
      default:
        break;  // unknown letters are skipped without a message
    }
  }
}

void PrintUsage() {
  for (size_t i = 0; i < text::kUsageLineCount; ++i) std::fputs(text::kUsageLines[i], stdout);
}

int KeloMain(int argc, char** argv) {
  optJapanese = optFixedInfo = optVerbose = optQuiet = 0;
  bool usageDue = true;
  for (int i = 1; i < argc; ++i) {
    if (IsOptionGroup(argv[i])) {
      ApplyOptionGroup(argv[i]);
      continue;
    }
    usageDue = false;
    ProcessFileSpec(argv[i]);
  }
  if (usageDue) PrintUsage();
  // A report that could not be written (a full disk, a closed pipe) is not a
  // success.
  bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  return written ? 0 : 1;
}
