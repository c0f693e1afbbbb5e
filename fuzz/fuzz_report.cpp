// Fuzz target: the whole per-file report of arbitrary file bytes, with every
// combination of -j, -f, -v and -q. The output is discarded.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "posix/byte_source.h"
#include "posix/version_source.h"
#include "report/options.h"
#include "report/report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool discarding = std::freopen("/dev/null", "w", stdout) != nullptr;
  (void)discarding;
  MemorySource source(data, size);
  SetVersionSourceOverride(&source);
  for (int options = 0; options < 16; ++options) {
    optJapanese = options & 1;
    optFixedInfo = (options >> 1) & 1;
    optVerbose = (options >> 2) & 1;
    optQuiet = (options >> 3) & 1;
    ReportFile("fuzz.dll");
  }
  SetVersionSourceOverride(nullptr);
  return 0;
}
