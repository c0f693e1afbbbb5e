// Fuzz target: arbitrary file bytes through locating and laying out the
// version block, then the lookups a report makes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "posix/byte_source.h"
#include "posix/version_block.h"
#include "posix/version_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static uint8_t resource[kMaxVersionResource];
  MemorySource source(data, size);
  size_t resourceSize = 0;
  BlockForm form;
  if (!ReadVersionResource(source, resource, &resourceSize, &form)) return 0;
  ByteView view{resource, resourceSize};
  size_t blockSize = VersionBlockSize(view, form);
  if (blockSize == 0) return 0;
  std::vector<uint8_t> block(blockSize);
  if (!LayOutVersionBlock(view, form, block.data(), block.size())) return 0;
  for (const char* path :
       {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\FileVersion",
        "\\StringFileInfo\\040904E4\\CompanyName"}) {
    const uint8_t* value = nullptr;
    size_t length = 0;
    if (QueryVersionBlock(block.data(), path, &value, &length)) {
      volatile uint8_t sink = length > 0 ? value[length - 1] : 0;
      (void)sink;
    }
  }
  return 0;
}
