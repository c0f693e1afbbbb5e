// Name matching with the wildcards of the Windows command line.
#include "posix/name_match.h"

#include <cstddef>
#include <cstring>

namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length of the UTF-8 character at `text`, so that '?' takes a whole one.
size_t CharLength(const char* text) {
  size_t length = 1;
  while (text[length] != '\0' && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// Glob match of the first `patternLength` bytes of `pattern`. The last '*' is
// remembered and retried one character further on a mismatch, which keeps the
// match linear in practice and never exponential.
bool Glob(const char* pattern, size_t patternLength, const char* name) {
  size_t p = 0;
  const char* n = name;
  size_t starAt = patternLength;  // none yet
  const char* starName = nullptr;
  while (*n != '\0') {
    if (p < patternLength && pattern[p] == '*') {
      starAt = p++;
      starName = n;
    } else if (p < patternLength && pattern[p] == '?') {
      ++p;
      n += CharLength(n);
    } else if (p < patternLength && Fold(pattern[p]) == Fold(*n)) {
      ++p;
      ++n;
    } else if (starAt < patternLength) {
      p = starAt + 1;
      starName += CharLength(starName);
      n = starName;
    } else {
      return false;
    }
  }
  while (p < patternLength && pattern[p] == '*') ++p;
  return p == patternLength;
}

}  // namespace

bool MatchesName(const char* pattern, const char* name) {
  if (std::strcmp(pattern, "*.*") == 0) return true;
  size_t length = std::strlen(pattern);
  if (length > 0 && pattern[length - 1] == '.') {
    return std::strchr(name, '.') == nullptr && Glob(pattern, length - 1, name);
  }
  return Glob(pattern, length, name);
}

bool HasWildcard(const char* pattern) {
  return std::strpbrk(pattern, "*?") != nullptr;
}
