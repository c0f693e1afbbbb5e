// QueryStringField: the one place where a string field is looked up and printed.
#include <cstdio>

#include "report/options.h"
#include "report/report.h"
#include "report/report_state.h"
#include "text/format.h"
#include "text/texts.h"
#include "verinfo/version_api.h"

int QueryStringField(const char* key, int print) {
  if (!FormatInto(queryPath, sizeof(queryPath), "%s%s", stringTablePrefix, key)) return 0;
  void* value = nullptr;
  if (!VerQueryValueA(versionData, queryPath, &value, &valueLength)) return 0;
  fieldValue = static_cast<const char*>(value);
  if (!print) return 1;

  if (!optJapanese) {
    std::printf("%16s: ", key);
  } else {
    const char* label = text::JapaneseFieldLabel(key);
    FormatInto(labelText, sizeof(labelText), "%s", label != nullptr ? label : key);
    std::printf("%22s: ", labelText);
  }
  // The platform may report success with a length of 0 and a pointer to bytes
  // it never wrote, or hand back a value without its NUL: print an empty value
  // for the first, and never read past the loaded block for the second.
  size_t shown = valueLength == 0 ? 0 : BoundedTextLength(fieldValue);
  std::fwrite(fieldValue, 1, shown, stdout);
  std::fputc('\n', stdout);
  return 1;
}
