// The drive and directory split of a file specification.
#include "cli/spec_split.h"

#include <cstring>

#include "cli/path_limits.h"

namespace {
bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsDotName(const char* name, size_t length) {
  return (length == 1 && name[0] == '.') || (length == 2 && name[0] == '.' && name[1] == '.');
}

void CopyCut(char* out, size_t outSize, const char* text, size_t length) {
  if (outSize == 0) return;
  if (length > outSize - 1) length = outSize - 1;
  std::memcpy(out, text, length);
  out[length] = '\0';
}
}  // namespace

void SplitFileSpec(const char* spec, LeadByteTest isLeadByte, char* drive, size_t driveSize,
                   char* dir, size_t dirSize) {
  size_t length = strnlen(spec, kSpecSplitLength);
  size_t start = 0;
  if (length >= 2 && spec[1] == ':') start = 2;
  CopyCut(drive, driveSize, spec, start);

  size_t dirEnd = start;  // one past the last separator
  for (size_t i = start; i < length;) {
    auto byte = static_cast<BYTE>(spec[i]);
    if (isLeadByte(byte) && i + 1 < length) {
      i += 2;
      continue;
    }
    if (IsSeparator(spec[i])) dirEnd = i + 1;
    ++i;
  }
  if (IsDotName(spec + dirEnd, length - dirEnd)) dirEnd = length;
  CopyCut(dir, dirSize, spec + start, dirEnd - start);
}
