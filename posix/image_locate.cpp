// Dispatch on the DOS header: every image kelo reads starts with one, and its
// e_lfanew field names the header that tells PE, NE and LE apart.
#include "posix/image_locate.h"

namespace {
constexpr uint16_t kDosMagic = 0x5A4D;  // "MZ"
constexpr uint64_t kLfanewOffset = 0x3C;
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kNeSignature = 0x454E;      // "NE"
constexpr uint16_t kLeSignature = 0x454C;      // "LE"
}  // namespace

bool LocateVersionResource(WindowReader& reader, ResourceLocation* out) {
  uint16_t magic = 0;
  uint32_t newHeader = 0;
  if (!reader.U16(0, &magic) || magic != kDosMagic) return false;
  if (!reader.U32(kLfanewOffset, &newHeader)) return false;
  uint16_t shortSignature = 0;
  if (!reader.U16(newHeader, &shortSignature)) return false;
  if (shortSignature == kNeSignature) return LocateNeVersion(reader, newHeader, out);
  if (shortSignature == kLeSignature) return LocateLeVersion(reader, newHeader, out);
  uint32_t signature = 0;
  if (!reader.U32(newHeader, &signature)) return false;
  if (signature == kPeSignature) return LocatePeVersion(reader, newHeader, out);
  return false;
}
