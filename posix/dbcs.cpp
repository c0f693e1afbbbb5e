// The lead-byte test of a UTF-8 console: UTF-8 has no double-byte lead bytes,
// so every '/' and '\' byte is a separator of its own.
#include "posix/win_api.h"

BOOL WINAPI IsDBCSLeadByte(BYTE) {
  return FALSE;
}
