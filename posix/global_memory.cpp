// Global memory on Linux: every block is fixed, so a lock is the pointer itself.
#include "posix/global_memory.h"

#include <cstdlib>

#include "posix/win_api.h"

namespace {
// Allocations to pass before one fails; negative when none is to fail.
int allocationsBeforeFailure = -1;
}  // namespace

void SetGlobalAllocFailure(int allocationsToPass) {
  allocationsBeforeFailure = allocationsToPass;
}

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) return nullptr;
  if (bytes == 0) bytes = 1;
  return (flags & GMEM_ZEROINIT) != 0 ? std::calloc(1, bytes) : std::malloc(bytes);
}

void* WINAPI GlobalLock(HGLOBAL memory) {
  return memory;
}

BOOL WINAPI GlobalUnlock(HGLOBAL) {
  return FALSE;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
  std::free(memory);
  return nullptr;
}
