// The report's process-wide state.
#include "report/report_state.h"

#include <cstdint>
#include <cstring>

unsigned char* versionData = nullptr;
size_t versionDataSize = 0;
char stringTablePrefix[64];
char queryPath[512];
char labelText[512];
const char* fieldValue = nullptr;
unsigned int valueLength = 0;
const unsigned char* translationEntry = nullptr;

bool InsideVersionData(const void* pointer, size_t length) {
  if (versionData == nullptr || pointer == nullptr) return false;
  auto at = reinterpret_cast<uintptr_t>(pointer);
  auto start = reinterpret_cast<uintptr_t>(versionData);
  if (at < start) return false;
  size_t offset = at - start;
  return offset <= versionDataSize && length <= versionDataSize - offset;
}

size_t BoundedTextLength(const char* text) {
  if (!InsideVersionData(text, 0)) return 0;
  size_t room = versionDataSize - static_cast<size_t>(reinterpret_cast<uintptr_t>(text) -
                                                      reinterpret_cast<uintptr_t>(versionData));
  const void* nul = std::memchr(text, '\0', room);
  return nul == nullptr ? room : static_cast<size_t>(static_cast<const char*>(nul) - text);
}
