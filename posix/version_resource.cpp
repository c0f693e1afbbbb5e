// Reading the version resource's bytes.
#include "posix/version_resource.h"

#include "posix/version_block.h"
#include "posix/window_reader.h"

bool ReadVersionResource(ByteSource& source, uint8_t* out, size_t* size, BlockForm* form) {
  WindowReader reader(source);
  ResourceLocation location;
  if (!LocateVersionResource(reader, &location))
    return false;
  // The root's 16-bit length bounds the tree: bytes past it are never used.
  size_t wanted = location.size < kMaxVersionResource ? location.size : kMaxVersionResource;
  if (source.ReadAt(location.offset, out, wanted) != wanted)
    return false;
  *size = wanted;
  *form = location.form;
  return true;
}
