// Bounded formatting.
#include "text/format.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {
bool FormatArgs(char* buffer, size_t size, const char* format, va_list args) {
  if (size == 0) return false;
  int written = std::vsnprintf(buffer, size, format, args);
  if (written < 0) {
    buffer[0] = '\0';
    return false;
  }
  return static_cast<size_t>(written) < size;
}
}  // namespace

bool FormatInto(char* buffer, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  bool fitted = FormatArgs(buffer, size, format, args);
  va_end(args);
  return fitted;
}

bool JoinInto(char* buffer, size_t size, const char* first, const char* second) {
  if (size == 0) return false;
  size_t used = 0;
  for (const char* part : {first, second}) {
    size_t length = std::strlen(part);
    size_t room = size - 1 - used;
    size_t taken = length < room ? length : room;
    std::memcpy(buffer + used, part, taken);
    used += taken;
    if (taken < length) {
      buffer[used] = '\0';
      return false;
    }
  }
  buffer[used] = '\0';
  return true;
}

bool AppendInto(char* buffer, size_t size, const char* format, ...) {
  size_t used = strnlen(buffer, size);
  if (used >= size) return false;
  va_list args;
  va_start(args, format);
  bool fitted = FormatArgs(buffer + used, size - used, format, args);
  va_end(args);
  return fitted;
}
