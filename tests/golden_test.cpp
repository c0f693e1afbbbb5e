// The per-file report through the real binary: a fixture, the options, and the
// exact bytes expected after the header line.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "support/golden.h"

namespace {

using fixture::Format;
using fixture::Image;
using fixture::VersionInfo;

// Japanese labels as code page 932 bytes.
const std::string kJaProductName = "\x90\xBB\x95\x69\x96\xBC";  // 製品名
const std::string kJaFileVersion =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93";  // ファイルバージョン
const std::string kNoVersion =
    "  \x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xAA\x91\xB6\x8D\xDD\x82\xB5"
    "\x82\xDC\x82\xB9\x82\xF1\n";  // バージョン情報が存在しません

const char* const kDefaultLines =
    "     ProductName: Kelo Suite\n"
    "  ProductVersion: 1.2\n"
    " FileDescription: Sample library\n"
    "     FileVersion: 1.2.3.4\n"
    "  LegalCopyright: (C) 2026\n"
    "     CompanyName: Example\n";
const char* const kVerboseLines =
    "OriginalFilename: f.dll\n"
    "    InternalName: f\n"
    "        Comments: none\n"
    " LegalTrademarks: TM\n"
    "    PrivateBuild: private\n"
    "    SpecialBuild: special\n";

VersionInfo Tables(std::vector<fixture::StringTable> tables, std::vector<uint32_t> translations) {
  VersionInfo info;
  info.tables = std::move(tables);
  info.translations = std::move(translations);
  return info;
}

Image Pe(const VersionInfo& info) {
  return fixture::VersionImage(Format::kPe32, info);
}

fixture::Resource VersionResource(uint32_t name, uint16_t language,
                                  const std::string& fileVersion) {
  fixture::Resource resource;
  resource.name = name;
  resource.language = language;
  resource.data = fixture::SerializeWide(
      fixture::VersionTree(fixture::SimpleVersion({{"FileVersion", fileVersion}})));
  return resource;
}

Image Resources(std::vector<fixture::Resource> resources) {
  return fixture::BuildPe(Format::kPe32, resources);
}

class GoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, PrintsExactly) {
  ExpectGolden(GetParam());
}

const std::string kJaDefault =
    std::string(16, ' ') + kJaProductName + ": Kelo Suite\n" + std::string(8, ' ') +
    "\x90\xBB\x95\x69\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93: 1.2\n" + std::string(10, ' ') +
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x90\xE0\x96\xBE: Sample library\n" + std::string(4, ' ') +
    kJaFileVersion + ": 1.2.3.4\n" + std::string(12, ' ') +
    "\x92\x98\x8D\xEC\x8C\xA0\x8D\x90\x92\x6D: (C) 2026\n" + std::string(16, ' ') +
    "\x89\xEF\x8E\xD0\x96\xBC: Example\n";
const std::string kJaVerbose =
    "  \x83\x49\x83\x8A\x83\x57\x83\x69\x83\x8B\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC: f.dll\n" +
    std::string(8, ' ') + "\x93\xE0\x95\x94\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC: f\n" +
    std::string(14, ' ') + "\x92\xC7\x89\xC1\x8F\xEE\x95\xF1: none\n" + std::string(14, ' ') +
    "\x8F\xA4\x95\x57\x8D\x90\x92\x6D: TM\n"
    "\x83\x76\x83\x89\x83\x43\x83\x78\x81\x5B\x83\x67\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93: "
    "private\n"
    "\x95\x57\x8F\x80\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\xC6\x82\xCC\x91\x8A\x88\xE1: "
    "special\n";

INSTANTIATE_TEST_SUITE_P(
    FieldSets, GoldenTest,
    testing::Values(
        GoldenCase{"Default", [] { return Pe(fixture::EveryField()); }, {}, kDefaultLines},
        GoldenCase{"Verbose",
                   [] { return Pe(fixture::EveryField()); },
                   {"-v"},
                   std::string(kDefaultLines) + kVerboseLines},
        GoldenCase{"Quiet",
                   [] { return Pe(fixture::EveryField()); },
                   {"-q"},
                   "  ProductVersion: 1.2\n     FileVersion: 1.2.3.4\n"},
        GoldenCase{"QuietWinsOverVerbose",
                   [] { return Pe(fixture::EveryField()); },
                   {"-q", "-v"},
                   "  ProductVersion: 1.2\n     FileVersion: 1.2.3.4\n"},
        GoldenCase{"VerboseSkipsMissingKeys",
                   [] {
                     VersionInfo info = fixture::EveryField();
                     info.tables[0].strings.resize(10);  // without PrivateBuild, SpecialBuild
                     return Pe(info);
                   },
                   {"-v"},
                   std::string(kDefaultLines) +
                       "OriginalFilename: f.dll\n    InternalName: f\n        Comments: none\n"
                       " LegalTrademarks: TM\n"},
        GoldenCase{"Japanese", [] { return Pe(fixture::EveryField()); }, {"-j"}, kJaDefault},
        GoldenCase{"JapaneseVerbose",
                   [] { return Pe(fixture::EveryField()); },
                   {"-jv"},
                   kJaDefault + kJaVerbose},
        GoldenCase{
            "JapaneseToggledOff", [] { return Pe(fixture::EveryField()); }, {"-jj"}, kDefaultLines},
        GoldenCase{"Pe32Plus",
                   [] { return fixture::VersionImage(Format::kPe32Plus, fixture::EveryField()); },
                   {},
                   kDefaultLines},
        GoldenCase{"NoVersionResource",
                   [] { return fixture::PlainImage(Format::kPe32); },
                   {"-fv"},
                   kNoVersion}),
    GoldenCaseName);

INSTANTIATE_TEST_SUITE_P(
    TableChoice, GoldenTest,
    testing::Values(
        // A single entry names the table even when no probe row does.
        GoldenCase{"SingleEntry040903A4",
                   [] {
                     return Pe(Tables({{"040903A4", {{"FileVersion", "9.9"}}}},
                                      {fixture::Translation(0x0409, 0x03A4)}));
                   },
                   {},
                   "     FileVersion: 9.9\n"},
        // The entry's table lacks FileVersion: the probe list runs and ends on row 9.
        GoldenCase{"SingleEntryWithoutFileVersion",
                   [] {
                     return Pe(Tables({{"040903A4", {{"ProductName", "P"}}}},
                                      {fixture::Translation(0x0409, 0x03A4)}));
                   },
                   {},
                   ""},
        // Two entries: the probe list runs although the first entry's table exists.
        GoldenCase{"TwoEntriesProbe",
                   [] {
                     return Pe(Tables({{"040904B0", {{"FileVersion", "first"}}},
                                       {"04090000", {{"FileVersion", "row 7"}}}},
                                      {fixture::Translation(0x0409, 0x04B0),
                                       fixture::Translation(0x0411, 0x04B0)}));
                   },
                   {},
                   "     FileVersion: row 7\n"},
        GoldenCase{"ProbeRow2",
                   [] {
                     return Pe(Tables({{"04111252", {{"FileVersion", "row 2"}}},
                                       {"040904E4", {{"FileVersion", "row 9"}}}},
                                      {}));
                   },
                   {},
                   "     FileVersion: row 2\n"},
        GoldenCase{"ProbeAcceptsProductVersion",
                   [] {
                     return Pe(Tables({{"041103A4", {{"ProductVersion", "pv"}}}}, {}));
                   },
                   {},
                   "  ProductVersion: pv\n"},
        GoldenCase{"ProbeRow9LowerCaseKey",
                   [] {
                     VersionInfo info = Tables({{"040904e4", {{"FileVersion", "row 9"}}}}, {});
                     info.varFileInfo = false;
                     return Pe(info);
                   },
                   {},
                   "     FileVersion: row 9\n"},
        // Only the digits 1252 match rows 2, 5 and 8; the code page 04E4 does not.
        GoldenCase{"Row5IsDigits1252",
                   [] {
                     return Pe(Tables({{"080904E4", {{"FileVersion", "row 6"}}},
                                       {"08091252", {{"FileVersion", "row 5"}}}},
                                      {}));
                   },
                   {},
                   "     FileVersion: row 5\n"},
        GoldenCase{"NoTableAtAll", [] { return Pe(Tables({}, {})); }, {"-v"}, ""}),
    GoldenCaseName);

INSTANTIATE_TEST_SUITE_P(
    Values, GoldenTest,
    testing::Values(
        GoldenCase{"Utf8Value",
                   [] {
                     return Pe(fixture::SimpleVersion(
                         {{"FileVersion", "1"},
                          {"CompanyName", "\xE8\xA6\x8B\xE6\x9C\xAC \xC3\xA9"}}));
                   },
                   {},
                   "     FileVersion: 1\n     CompanyName: \xE8\xA6\x8B\xE6\x9C\xAC \xC3\xA9\n"},
        GoldenCase{"LineEndsInsideValue",
                   [] {
                     return Pe(fixture::SimpleVersion(
                         {{"FileVersion", "1"}, {"LegalCopyright", "line one\r\nline two\n"}}));
                   },
                   {},
                   "     FileVersion: 1\n  LegalCopyright: line one\r\nline two\n\n"},
        GoldenCase{"EmptyValue",
                   [] {
                     return Pe(fixture::SimpleVersion({{"FileVersion", "1"}, {"CompanyName", ""}}));
                   },
                   {},
                   "     FileVersion: 1\n     CompanyName: \n"},
        GoldenCase{"LongValue",
                   [] {
                     return Pe(fixture::SimpleVersion(
                         {{"FileVersion", "1"}, {"Comments", std::string(3000, 'x')}}));
                   },
                   {"-v"},
                   "     FileVersion: 1\n        Comments: " + std::string(3000, 'x') + "\n"}),
    GoldenCaseName);

// Which of several version resources is read.
INSTANTIATE_TEST_SUITE_P(
    ResourceChoice, GoldenTest,
    testing::Values(GoldenCase{"NameOneWins",
                               [] {
                                 return Resources({VersionResource(2, 0x0409, "two"),
                                                   VersionResource(1, 0x0409, "one")});
                               },
                               {"-q"},
                               "     FileVersion: one\n"},
                    GoldenCase{"OtherwiseFirstName",
                               [] {
                                 return Resources({VersionResource(3, 0x0409, "three"),
                                                   VersionResource(2, 0x0409, "two")});
                               },
                               {"-q"},
                               "     FileVersion: two\n"},
                    GoldenCase{"NeutralLanguageFirst",
                               [] {
                                 return Resources({VersionResource(1, 0x0409, "english"),
                                                   VersionResource(1, 0x0000, "neutral"),
                                                   VersionResource(1, 0x0411, "japanese")});
                               },
                               {"-q"},
                               "     FileVersion: neutral\n"},
                    GoldenCase{"ThenUsEnglish",
                               [] {
                                 return Resources({VersionResource(1, 0x0411, "japanese"),
                                                   VersionResource(1, 0x0409, "english"),
                                                   VersionResource(1, 0x0809, "british")});
                               },
                               {"-q"},
                               "     FileVersion: english\n"},
                    GoldenCase{"OtherwiseFirstLanguage",
                               [] {
                                 return Resources({VersionResource(1, 0x0809, "british"),
                                                   VersionResource(1, 0x0411, "japanese")});
                               },
                               {"-q"},
                               "     FileVersion: japanese\n"}),
    GoldenCaseName);

}  // namespace
