// Fuzz target: VerQueryValueA on an arbitrary version block with an arbitrary
// path. The input is the path, a NUL, one byte choosing the stored form, and
// the block's bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "posix/version_block.h"
#include "posix/win_api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto* nul = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  if (nul == nullptr || nul + 1 >= data + size) return 0;
  std::string path(reinterpret_cast<const char*>(data), static_cast<size_t>(nul - data));
  BlockForm form = (nul[1] & 1) != 0 ? BlockForm::kNarrow : BlockForm::kWide;
  ByteView resource{nul + 2, static_cast<size_t>(data + size - (nul + 2))};
  size_t blockSize = VersionBlockSize(resource, form);
  if (blockSize == 0) return 0;
  std::vector<uint8_t> block(blockSize);
  if (!LayOutVersionBlock(resource, form, block.data(), block.size())) return 0;
  void* value = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), path.c_str(), &value, &length) && length > 0) {
    volatile uint8_t sink = static_cast<uint8_t*>(value)[length - 1];
    (void)sink;
  }
  return 0;
}
