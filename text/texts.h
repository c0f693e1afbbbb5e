// The program's fixed texts: usage, messages, labels and the names of the
// fixed-information values, in English and in Japanese (code page 932 bytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace text {

// The six usage lines, always English.
extern const char* const kUsageLines[];
extern const size_t kUsageLineCount;

// The three messages. They are Japanese in every mode.
extern const char kNotFoundSuffix[];  // follows the specification as typed
extern const char kNoVersionInfo[];
extern const char kAllocFailed[];

// A string-field key and its Japanese label.
struct FieldLabel {
  const char* key;
  const char* japanese;
};
extern const FieldLabel kFieldLabels[];
extern const size_t kFieldLabelCount;

// A label or value text in both languages.
struct TextPair {
  const char* english;
  const char* japanese;
};

// Labels of the fixed-information lines.
extern const TextPair kProductVersionLabel;
extern const TextPair kFileVersionLabel;
extern const TextPair kFileOsLabel;
extern const TextPair kFileTypeLabel;

// The text of any value outside the tables.
extern const TextPair kUnknown;

// A numbered value and its texts; the value must match exactly.
struct ValueText {
  uint32_t value;
  TextPair text;
};
extern const ValueText kFileOsTexts[];
extern const size_t kFileOsTextCount;
extern const ValueText kFileTypeTexts[];
extern const size_t kFileTypeTextCount;
extern const ValueText kDriverSubtypeTexts[];
extern const size_t kDriverSubtypeTextCount;
extern const ValueText kFontSubtypeTexts[];
extern const size_t kFontSubtypeTextCount;

// The file type whose subtype is printed as a number.
constexpr uint32_t kVirtualDeviceType = 5;
constexpr uint32_t kDriverType = 3;
constexpr uint32_t kFontType = 4;

// The entry of `table` whose value is `value`, or nullptr.
const ValueText* FindValueText(const ValueText* table, size_t count, uint32_t value);

// The Japanese label of a string-field key (exact, case-sensitive match), or nullptr.
const char* JapaneseFieldLabel(const char* key);

}  // namespace text
