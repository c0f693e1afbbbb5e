// Path separators.
#include "posix/native_path.h"

bool ToNativePath(const char* path, size_t length, char* out, size_t size) {
  if (length >= size) return false;
  for (size_t i = 0; i < length; ++i) out[i] = path[i] == '\\' ? '/' : path[i];
  out[length] = '\0';
  return true;
}
