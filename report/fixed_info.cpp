// PrintFixedFileInfo: the four lines decoded from VS_FIXEDFILEINFO.
#include <cstdint>
#include <cstdio>

#include "report/options.h"
#include "report/report.h"
#include "report/report_state.h"
#include "text/format.h"
#include "text/texts.h"
#include "verinfo/version_api.h"

namespace {

// VS_FIXEDFILEINFO: thirteen 32-bit fields. The signature, structure version,
// flags and dates are not read.
constexpr size_t kFixedInfoSize = 52;
constexpr size_t kFileVersionMS = 8;
constexpr size_t kFileVersionLS = 12;
constexpr size_t kProductVersionMS = 16;
constexpr size_t kProductVersionLS = 20;
constexpr size_t kFileOS = 32;
constexpr size_t kFileType = 36;
constexpr size_t kFileSubtype = 40;

uint32_t FieldAt(const unsigned char* info, size_t offset) {
  return static_cast<uint32_t>(info[offset]) | (static_cast<uint32_t>(info[offset + 1]) << 8) |
         (static_cast<uint32_t>(info[offset + 2]) << 16) |
         (static_cast<uint32_t>(info[offset + 3]) << 24);
}

const char* InLanguage(const text::TextPair& pair) {
  return optJapanese ? pair.japanese : pair.english;
}

size_t LabelWidth() {
  return optJapanese ? 22 : 16;
}

// Starts a line in `lineBuffer` with the label right-aligned and ": ".
void StartLine(char* lineBuffer, size_t size, const text::TextPair& label) {
  lineBuffer[0] = '\0';
  AppendAligned(lineBuffer, size, InLanguage(label), LabelWidth());
  AppendText(lineBuffer, size, ": ");
}

// A version line: the four 16-bit halves of the two fields, in decimal.
void PrintVersionLine(const text::TextPair& label, uint32_t most, uint32_t least) {
  char lineBuffer[128];
  StartLine(lineBuffer, sizeof(lineBuffer), label);
  AppendVersion(lineBuffer, sizeof(lineBuffer), most, least);
  std::puts(lineBuffer);
}

const char* ValueText(const text::ValueText* table, size_t count, uint32_t value) {
  const text::ValueText* found = text::FindValueText(table, count, value);
  return found != nullptr ? InLanguage(found->text) : nullptr;
}

}  // namespace

void PrintFixedFileInfo() {
  void* root = nullptr;
  if (!VerQueryValueA(versionData, "\\", &root, &valueLength)) return;
  // A root value shorter than VS_FIXEDFILEINFO is treated as absent: the
  // platform can report success with fewer bytes, even none.
  if (valueLength < kFixedInfoSize || !InsideVersionData(root, kFixedInfoSize)) return;
  const auto* info = static_cast<const unsigned char*>(root);

  PrintVersionLine(text::kProductVersionLabel, FieldAt(info, kProductVersionMS),
                   FieldAt(info, kProductVersionLS));
  PrintVersionLine(text::kFileVersionLabel, FieldAt(info, kFileVersionMS),
                   FieldAt(info, kFileVersionLS));

  char lineBuffer[128];
  const char* os = ValueText(text::kFileOsTexts, text::kFileOsTextCount, FieldAt(info, kFileOS));
  StartLine(lineBuffer, sizeof(lineBuffer), text::kFileOsLabel);
  AppendText(lineBuffer, sizeof(lineBuffer), os != nullptr ? os : InLanguage(text::kUnknown));
  std::puts(lineBuffer);

  uint32_t type = FieldAt(info, kFileType);
  uint32_t subtype = FieldAt(info, kFileSubtype);
  const char* typeText = ValueText(text::kFileTypeTexts, text::kFileTypeTextCount, type);
  StartLine(lineBuffer, sizeof(lineBuffer), text::kFileTypeLabel);
  AppendText(lineBuffer, sizeof(lineBuffer),
             typeText != nullptr ? typeText : InLanguage(text::kUnknown));
  const char* subtypeText = nullptr;
  if (type == text::kDriverType) {
    subtypeText = ValueText(text::kDriverSubtypeTexts, text::kDriverSubtypeTextCount, subtype);
  } else if (type == text::kFontType) {
    subtypeText = ValueText(text::kFontSubtypeTexts, text::kFontSubtypeTextCount, subtype);
  } else if (type == text::kVirtualDeviceType) {
    AppendText(lineBuffer, sizeof(lineBuffer), "(0x");
    AppendHex8(lineBuffer, sizeof(lineBuffer), subtype);
    AppendText(lineBuffer, sizeof(lineBuffer), ")");
  }
  if (subtypeText != nullptr) AppendText(lineBuffer, sizeof(lineBuffer), subtypeText);
  std::puts(lineBuffer);
}
