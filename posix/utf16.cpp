// UTF-16 decoding and UTF-8 encoding.
#include "posix/utf16.h"

namespace {
constexpr uint32_t kReplacement = 0xFFFD;

uint16_t UnitAt(ByteView units, size_t unit) {
  uint16_t value = 0;
  return ReadU16(units, unit * 2, &value) ? value : 0;
}
}  // namespace

uint32_t NextCodePoint(ByteView units, size_t* unit) {
  size_t count = units.size / 2;
  uint16_t first = UnitAt(units, *unit);
  *unit += 1;
  if (first < 0xD800 || first > 0xDFFF) return first;
  if (first >= 0xDC00 || *unit >= count) return kReplacement;
  uint16_t second = UnitAt(units, *unit);
  if (second < 0xDC00 || second > 0xDFFF) return kReplacement;
  *unit += 1;
  return 0x10000u + ((static_cast<uint32_t>(first) - 0xD800u) << 10) +
         (static_cast<uint32_t>(second) - 0xDC00u);
}

size_t EncodeUtf8(uint32_t codePoint, char* out) {
  auto byte = [](uint32_t value) { return static_cast<char>(static_cast<uint8_t>(value)); };
  if (codePoint < 0x80) {
    out[0] = byte(codePoint);
    return 1;
  }
  if (codePoint < 0x800) {
    out[0] = byte(0xC0 | (codePoint >> 6));
    out[1] = byte(0x80 | (codePoint & 0x3F));
    return 2;
  }
  if (codePoint < 0x10000) {
    out[0] = byte(0xE0 | (codePoint >> 12));
    out[1] = byte(0x80 | ((codePoint >> 6) & 0x3F));
    out[2] = byte(0x80 | (codePoint & 0x3F));
    return 3;
  }
  out[0] = byte(0xF0 | (codePoint >> 18));
  out[1] = byte(0x80 | ((codePoint >> 12) & 0x3F));
  out[2] = byte(0x80 | ((codePoint >> 6) & 0x3F));
  out[3] = byte(0x80 | (codePoint & 0x3F));
  return 4;
}
