// The boundary to the platform's version-information service, global memory,
// directory enumeration and lead-byte test. Windows builds use the platform's
// own functions; Linux builds use the stand-ins of the posix/ folder, which
// behave as a Windows console whose ANSI code page is UTF-8.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "posix/win_api.h"
#endif
