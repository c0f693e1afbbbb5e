// The version resource of an LE image (a VxD virtual device driver). Such a
// driver carries one Windows resource, outside the LE tables: the header
// fields e32_winresoff and e32_winreslen point at it. It starts with a 16-bit
// resource header (type and name as 0xFF and a number, flags, data size).
#include "posix/image_locate.h"

namespace {

constexpr uint64_t kWinResOffset = 0xB8;  // e32_winresoff, from the LE header
constexpr uint64_t kWinResLength = 0xBC;  // e32_winreslen
constexpr uint64_t kResourceHeaderSize = 12;
constexpr uint8_t kOrdinalMark = 0xFF;
constexpr uint16_t kVersionType = 16;

// Reads the resource header at `at`: a numbered version resource whose data
// lies within `length` bytes.
bool ReadResourceHeader(WindowReader& reader, uint64_t at, uint32_t length, ResourceLocation* out) {
  ByteView header;
  if (length < kResourceHeaderSize || !reader.View(at, kResourceHeaderSize, &header)) {
    return false;
  }
  uint8_t typeMark = 0, nameMark = 0;
  uint16_t type = 0;
  uint32_t size = 0;
  if (!ReadU8(header, 0, &typeMark) || !ReadU16(header, 1, &type) ||
      !ReadU8(header, 3, &nameMark) || !ReadU32(header, 8, &size)) {
    return false;
  }
  if (typeMark != kOrdinalMark || type != kVersionType || nameMark != kOrdinalMark) return false;
  uint32_t available = length - static_cast<uint32_t>(kResourceHeaderSize);
  out->offset = at + kResourceHeaderSize;
  out->size = size < available ? size : available;
  out->form = BlockForm::kNarrow;
  return out->size > 0;
}

}  // namespace

bool LocateLeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out) {
  uint32_t offset = 0, length = 0;
  if (!reader.U32(newHeader + kWinResOffset, &offset) ||
      !reader.U32(newHeader + kWinResLength, &length) || offset == 0) {
    return false;
  }
  // Linkers write the offset from the start of the file; some tools count it
  // from the LE header. The resource header tells which one holds it.
  return ReadResourceHeader(reader, offset, length, out) ||
         ReadResourceHeader(reader, static_cast<uint64_t>(newHeader) + offset, length, out);
}
