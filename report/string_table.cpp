// The string table choice and the field sets.
#include "report/string_table.h"

#include <cstddef>
#include <cstdint>

#include "report/options.h"
#include "report/report.h"
#include "report/report_state.h"
#include "text/format.h"
#include "verinfo/version_api.h"

namespace {

// Tables tried when the translation does not name exactly one usable table.
// Rows ending in "1252" name sub-blocks of their own: they are the digits
// 1252, not the code page 0x04E4 written in hexadecimal.
const char* const kProbeRows[] = {
    "\\StringFileInfo\\041103A4\\", "\\StringFileInfo\\04111252\\", "\\StringFileInfo\\041104E4\\",
    "\\StringFileInfo\\08090000\\", "\\StringFileInfo\\08091252\\", "\\StringFileInfo\\080904E4\\",
    "\\StringFileInfo\\04090000\\", "\\StringFileInfo\\04091252\\", "\\StringFileInfo\\040904E4\\",
};
constexpr size_t kProbeRowCount = sizeof(kProbeRows) / sizeof(kProbeRows[0]);

const char* const kQuietFields[] = {"ProductVersion", "FileVersion"};
const char* const kDefaultFields[] = {"ProductName", "ProductVersion", "FileDescription",
                                      "FileVersion", "LegalCopyright", "CompanyName"};
const char* const kVerboseFields[] = {"OriginalFilename", "InternalName", "Comments",
                                      "LegalTrademarks",  "PrivateBuild", "SpecialBuild"};

constexpr unsigned int kOneEntry = 4;

void UsePrefix(const char* prefix) {
  JoinInto(stringTablePrefix, sizeof(stringTablePrefix), prefix, "");
}

}  // namespace

void ChooseStringTable() {
  void* entry = nullptr;
  if (VerQueryValueA(versionData, "\\VarFileInfo\\Translation", &entry, &valueLength) &&
      valueLength == kOneEntry && InsideVersionData(entry, kOneEntry)) {
    translationEntry = static_cast<const unsigned char*>(entry);
    unsigned language = translationEntry[0] | (translationEntry[1] << 8);
    unsigned codePage = translationEntry[2] | (translationEntry[3] << 8);
    FormatInto(stringTablePrefix, sizeof(stringTablePrefix), "\\StringFileInfo\\%04X%04X\\",
               language, codePage);
    if (QueryStringField("FileVersion", 0)) return;
  }
  ProbeStringTables();
}

void ProbeStringTables() {
  for (size_t row = 0; row + 1 < kProbeRowCount; ++row) {
    UsePrefix(kProbeRows[row]);
    if (QueryStringField("FileVersion", 0) || QueryStringField("ProductVersion", 0)) return;
  }
  UsePrefix(kProbeRows[kProbeRowCount - 1]);
}

void PrintStringFields() {
  if (optQuiet) {
    for (const char* key : kQuietFields) QueryStringField(key, 1);
    return;
  }
  for (const char* key : kDefaultFields) QueryStringField(key, 1);
  if (optVerbose) {
    for (const char* key : kVerboseFields) QueryStringField(key, 1);
  }
}
