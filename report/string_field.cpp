// QueryStringField: the one place where a string field is looked up and printed.
#include <cstdio>
#include <cstring>

#include "report/options.h"
#include "report/report.h"
#include "report/report_state.h"
#include "text/format.h"
#include "text/texts.h"
#include "verinfo/version_api.h"

namespace {

// Writes `label` right-aligned in `width` bytes and ": ", as "%*s: " would,
// in one write to the stream.
void PrintLabel(const char* label, size_t width) {
  char start[64];
  size_t length = std::strlen(label);
  size_t pad = length < width ? width - length : 0;
  if (pad + length + 2 > sizeof(start)) {
    std::printf("%*s: ", static_cast<int>(width), label);
    return;
  }
  std::memset(start, ' ', pad);
  std::memcpy(start + pad, label, length);
  std::memcpy(start + pad + length, ": ", 2);
  std::fwrite(start, 1, pad + length + 2, stdout);
}

}  // namespace

int QueryStringField(const char* key, int print) {
  if (!JoinInto(queryPath, sizeof(queryPath), stringTablePrefix, key)) return 0;
  void* value = nullptr;
  if (!VerQueryValueA(versionData, queryPath, &value, &valueLength)) return 0;
  fieldValue = static_cast<const char*>(value);
  if (!print) return 1;

  if (!optJapanese) {
    PrintLabel(key, 16);
  } else {
    const char* label = text::JapaneseFieldLabel(key);
    JoinInto(labelText, sizeof(labelText), label != nullptr ? label : key, "");
    PrintLabel(labelText, 22);
  }
  // The platform may report success with a length of 0 and a pointer to bytes
  // it never wrote, or hand back a value without its NUL: print an empty value
  // for the first, and never read past the loaded block for the second.
  size_t shown = valueLength == 0 ? 0 : BoundedTextLength(fieldValue);
  std::fwrite(fieldValue, 1, shown, stdout);
  std::fputc('\n', stdout);
  return 1;
}
