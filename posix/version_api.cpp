// The version API on Linux.
//
// GetFileVersionInfoSizeA has to read the resource to know the block's size,
// so it keeps those bytes; the GetFileVersionInfoA call that follows with the
// same handle and path lays them out without touching the file again.
#include <climits>
#include <cstring>

#include "posix/byte_source.h"
#include "posix/native_path.h"
#include "posix/version_block.h"
#include "posix/version_resource.h"
#include "posix/version_source.h"
#include "posix/win_api.h"

namespace {

struct LastResource {
  DWORD handle = 0;
  bool valid = false;
  char path[PATH_MAX] = {};
  BlockForm form = BlockForm::kWide;
  size_t size = 0;
  uint8_t bytes[kMaxVersionResource] = {};
};

LastResource last;
DWORD handleCounter = 0;

ByteSource* sourceOverride = nullptr;

bool ReadFromPath(const char* path, LastResource* into) {
  if (sourceOverride != nullptr) {
    return ReadVersionResource(*sourceOverride, into->bytes, &into->size, &into->form);
  }
  char native[PATH_MAX];
  FileSource file;
  return ToNativePath(path, std::strlen(path), native, sizeof(native)) && file.Open(native) &&
         ReadVersionResource(file, into->bytes, &into->size, &into->form);
}

}  // namespace

void SetVersionSourceOverride(ByteSource* source) {
  sourceOverride = source;
}

DWORD WINAPI GetFileVersionInfoSizeA(const char* path, DWORD* handle) {
  last.valid = false;
  if (handle != nullptr) *handle = 0;
  if (path == nullptr || std::strlen(path) >= sizeof(last.path)) return 0;
  if (!ReadFromPath(path, &last)) return 0;
  size_t size = VersionBlockSize(ByteView{last.bytes, last.size}, last.form);
  if (size == 0) return 0;
  std::strcpy(last.path, path);
  last.valid = true;
  last.handle = ++handleCounter;
  if (last.handle == 0) last.handle = ++handleCounter;
  if (handle != nullptr) *handle = last.handle;
  return static_cast<DWORD>(size);
}

BOOL WINAPI GetFileVersionInfoA(const char* path, DWORD handle, DWORD size, void* data) {
  if (path == nullptr || data == nullptr) return FALSE;
  bool cached =
      last.valid && handle != 0 && handle == last.handle && std::strcmp(path, last.path) == 0;
  last.valid = false;
  if (!cached && !ReadFromPath(path, &last)) return FALSE;
  return LayOutVersionBlock(ByteView{last.bytes, last.size}, last.form, static_cast<uint8_t*>(data),
                            size)
             ? TRUE
             : FALSE;
}

BOOL WINAPI VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length) {
  const uint8_t* value = nullptr;
  size_t valueLength = 0;
  if (!QueryVersionBlock(static_cast<const uint8_t*>(block), subBlock, &value, &valueLength)) {
    return FALSE;
  }
  if (buffer != nullptr) *buffer = const_cast<uint8_t*>(value);
  if (length != nullptr) *length = static_cast<UINT>(valueLength);
  return TRUE;
}
