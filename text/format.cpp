// Bounded formatting.
#include "text/format.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

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

// Writes `length` bytes at `*used` in `buffer` (`size` bytes, `*used` below
// it), cutting them to fit, NUL-terminates, and advances `*used`. False when
// cut.
bool PutBytes(char* buffer, size_t size, size_t* used, const char* bytes, size_t length) {
  size_t room = size - 1 - *used;
  size_t taken = length < room ? length : room;
  std::memcpy(buffer + *used, bytes, taken);
  *used += taken;
  buffer[*used] = '\0';
  return taken == length;
}

// Appends `length` bytes to the NUL-terminated text in `buffer`.
bool AppendBytes(char* buffer, size_t size, const char* bytes, size_t length) {
  size_t used = strnlen(buffer, size);
  return used < size && PutBytes(buffer, size, &used, bytes, length);
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
  bool fitted = PutBytes(buffer, size, &used, first, std::strlen(first));
  return PutBytes(buffer, size, &used, second, std::strlen(second)) && fitted;
}

bool AppendAligned(char* buffer, size_t size, const char* text, size_t width) {
  static const char kBlanks[] = "                                ";
  size_t length = std::strlen(text);
  bool fitted = true;
  for (size_t pad = length < width ? width - length : 0; pad > 0;) {
    size_t step = pad < sizeof(kBlanks) - 1 ? pad : sizeof(kBlanks) - 1;
    fitted = AppendBytes(buffer, size, kBlanks, step) && fitted;
    pad -= step;
  }
  return AppendBytes(buffer, size, text, length) && fitted;
}

bool AppendText(char* buffer, size_t size, const char* text) {
  return AppendBytes(buffer, size, text, std::strlen(text));
}

bool AppendVersion(char* buffer, size_t size, uint32_t most, uint32_t least) {
  const uint32_t parts[] = {most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF};
  char text[24];  // four numbers of at most five digits, three dots
  size_t used = 0;
  for (size_t i = 0; i < 4; ++i) {
    if (i > 0) text[used++] = '.';
    char digits[5];
    size_t count = 0;
    uint32_t value = parts[i];
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) text[used++] = digits[--count];
  }
  return AppendBytes(buffer, size, text, used);
}

bool AppendHex8(char* buffer, size_t size, uint32_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  char digits[8];
  for (size_t i = 0; i < 8; ++i) digits[i] = kDigits[(value >> (28 - 4 * i)) & 0xF];
  return AppendBytes(buffer, size, digits, sizeof(digits));
}
