// The version resource of a 16-bit NE image (EXE, DLL, DRV, FON): the NE
// resource table lists resources by type, each with an offset and length in
// units of the table's alignment shift.
#include "posix/image_locate.h"

namespace {

constexpr uint64_t kResourceTableOffset = 0x24;  // ne_rsrctab, from the NE header
constexpr uint64_t kResidentNamesOffset = 0x26;  // ne_restab: the resource table ends there
constexpr uint16_t kIntegerId = 0x8000;
constexpr uint16_t kVersionType = kIntegerId | 16;
constexpr uint16_t kPreferredName = kIntegerId | 1;
constexpr uint64_t kTypeInfoSize = 8;
constexpr uint64_t kNameInfoSize = 12;
// A shift larger than this would place resources past any real file.
constexpr uint16_t kMaxAlignShift = 20;

}  // namespace

bool LocateNeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out) {
  uint16_t tableOffset = 0, tableEnd = 0, shift = 0;
  if (!reader.U16(newHeader + kResourceTableOffset, &tableOffset) ||
      !reader.U16(newHeader + kResidentNamesOffset, &tableEnd)) {
    return false;
  }
  if (tableOffset == 0 || tableEnd <= tableOffset) return false;  // no resource table
  uint64_t table = static_cast<uint64_t>(newHeader) + tableOffset;
  uint64_t limit = static_cast<uint64_t>(newHeader) + tableEnd;
  if (!reader.U16(table, &shift) || shift > kMaxAlignShift) return false;

  // Each type record is followed by its name records; a type of 0 ends the
  // table. Every step moves forward, and the table's end bounds the walk.
  uint64_t at = table + 2;
  for (;;) {
    uint16_t type = 0, count = 0;
    if (!Fits(at, kTypeInfoSize, limit) || !reader.U16(at, &type) || type == 0 ||
        !reader.U16(at + 2, &count)) {
      return false;
    }
    uint64_t names = at + kTypeInfoSize;
    if (!Fits(names, count * kNameInfoSize, limit)) return false;
    if (type == kVersionType && count > 0) {
      uint64_t chosen = names;  // the first, unless one is numbered 1
      for (uint16_t i = 0; i < count; ++i) {
        uint16_t id = 0;
        if (!reader.U16(names + i * kNameInfoSize + 6, &id)) return false;
        if (id == kPreferredName) {
          chosen = names + i * kNameInfoSize;
          break;
        }
      }
      uint16_t offset = 0, length = 0;
      if (!reader.U16(chosen, &offset) || !reader.U16(chosen + 2, &length) || offset == 0 ||
          length == 0) {
        return false;
      }
      out->offset = static_cast<uint64_t>(offset) << shift;
      uint64_t size = static_cast<uint64_t>(length) << shift;
      out->size = static_cast<uint32_t>(size < 0xFFFFFFFFu ? size : 0xFFFFFFFFu);
      out->form = BlockForm::kNarrow;
      return true;
    }
    at = names + count * kNameInfoSize;
  }
}
