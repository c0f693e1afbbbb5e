// Reading the version resource's bytes.
#include "posix/version_resource.h"

#include "posix/version_block.h"
#include "posix/window_reader.h"

bool ReadVersionResource(ByteSource& source, uint8_t* out, size_t* size, BlockForm* form) {
  WindowReader reader(source);
  ResourceLocation location;
  if (!LocateVersionResource(reader, &location)) return false;
  // The root's 16-bit length bounds the tree: bytes past it are never used.
  // A 16-bit table rounds lengths up to its alignment, so the file may end
  // before the resource's stated end; the tree itself must be all there.
  size_t wanted = location.size < kMaxVersionResource ? location.size : kMaxVersionResource;
  size_t got = reader.Read(location.offset, out, wanted);
  uint16_t rootLength = 0;
  if (!ReadU16(ByteView{out, got}, 0, &rootLength) || got < rootLength) return false;
  *size = got;
  *form = location.form;
  return true;
}
