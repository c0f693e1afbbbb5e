// ProcessFileSpec and its process-wide path buffers.
#include "cli/file_spec.h"

#include <cstdio>

#include "cli/path_limits.h"
#include "cli/spec_split.h"
#include "report/report.h"
#include "text/format.h"
#include "text/texts.h"
#include "verinfo/version_api.h"

char drivePart[kDrivePartSize];
char dirPart[kDirPartSize];
char dirPrefix[kDirPrefixSize];
char fullPath[kFullPathSize];

namespace {

// Plain directories are never reported; hidden or system ones are.
bool IsReportable(const WIN32_FIND_DATAA& found) {
  DWORD attributes = found.dwFileAttributes;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool NextReportable(HANDLE find, WIN32_FIND_DATAA* found) {
  while (FindNextFileA(find, found)) {
    if (IsReportable(*found)) return true;
  }
  return false;
}

}  // namespace

int ProcessFileSpec(const char* spec) {
  SplitFileSpec(spec, IsDBCSLeadByte, drivePart, sizeof(drivePart), dirPart, sizeof(dirPart));
  JoinInto(dirPrefix, sizeof(dirPrefix), drivePart, dirPart);

  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(spec, &found);
  bool any = find != INVALID_HANDLE_VALUE && (IsReportable(found) || NextReportable(find, &found));
  if (!any) {
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    std::printf("  %s%s\n", spec, text::kNotFoundSuffix);
    return -1;
  }
  do {
    JoinInto(fullPath, sizeof(fullPath), dirPrefix, found.cFileName);
    std::printf("<<%s>>\n", fullPath);
    if (ReportFile(fullPath) == kReportNoMemory) break;
  } while (NextReportable(find, &found));
  FindClose(find);
  return 0;
}
