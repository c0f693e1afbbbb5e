// ReportFile: owns one file's version block from allocation to release.
#include <cstdio>

#include "report/options.h"
#include "report/report.h"
#include "report/report_state.h"
#include "report/string_table.h"
#include "text/texts.h"
#include "verinfo/version_api.h"

namespace {
// Zero bytes allocated past the loaded block.
constexpr DWORD kBlockSlack = 100;
}  // namespace

int ReportFile(const char* path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) {
    std::printf("  %s\n", text::kNoVersionInfo);
    return kReportNoVersion;
  }
  HGLOBAL memory = size <= 0xFFFFFFFFu - kBlockSlack
                       ? GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, size + kBlockSlack)
                       : nullptr;
  void* locked = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (locked == nullptr) {
    if (memory != nullptr) GlobalFree(memory);
    std::printf("  %s\n", text::kAllocFailed);
    return kReportNoMemory;
  }
  versionData = static_cast<unsigned char*>(locked);
  versionDataSize = static_cast<size_t>(size) + kBlockSlack;
  // The load's result is not examined: a file that changed since its size was
  // taken leaves the block zero-filled, and the report goes on from that.
  GetFileVersionInfoA(path, handle, size, versionData);

  if (optFixedInfo) PrintFixedFileInfo();
  ChooseStringTable();
  PrintStringFields();

  versionData = nullptr;
  versionDataSize = 0;
  GlobalUnlock(memory);
  GlobalFree(memory);
  return kReportDone;
}
