// 16-bit NE images and LE virtual device drivers, through the real binary.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "support/golden.h"
#include "support/run_kelo.h"

namespace {

using fixture::Bytes;
using fixture::Format;
using fixture::Image;
using fixture::VersionInfo;

const std::string kNoVersion =
    "  \x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xAA\x91\xB6\x8D\xDD\x82\xB5"
    "\x82\xDC\x82\xB9\x82\xF1\n";

VersionInfo Fixed(uint32_t os, uint32_t type, uint32_t subtype,
                  std::vector<std::pair<std::string, std::string>> strings) {
  VersionInfo info;
  info.tables.push_back({"040904E4", std::move(strings)});
  info.translations.push_back(fixture::Translation(0x0409, 0x04E4));
  info.fixed->fileOS = os;
  info.fixed->fileType = type;
  info.fixed->fileSubtype = subtype;
  info.fixed->fileVersionMS = 0x00030000;
  info.fixed->fileVersionLS = 0x0000000A;
  info.fixed->productVersionMS = 0x00030000;
  info.fixed->productVersionLS = 0x0000000A;
  return info;
}

fixture::Resource Raw(uint32_t type, uint32_t name, Bytes data) {
  fixture::Resource resource;
  resource.type = type;
  resource.name = name;
  resource.data = std::move(data);
  return resource;
}

fixture::Resource NarrowVersion(uint32_t name, const VersionInfo& info) {
  return Raw(16, name, fixture::SerializeNarrow(fixture::VersionTree(info)));
}

// A raster font: a font directory and a font beside the version resource.
Image RasterFont() {
  VersionInfo info = Fixed(0x00000001, 4, 1,
                           {{"CompanyName", "Fixture Fonts"},
                            {"FileDescription", "Sans Serif 8,10,12,14,18,24"},
                            {"FileVersion", "3.10"},
                            {"ProductName", "Fixture Raster Fonts"}});
  return fixture::BuildNe({Raw(7, 0x7F, Bytes(40, 0x11)), Raw(8, 1, Bytes(300, 0x22)),
                           Raw(8, 2, Bytes(500, 0x33)), NarrowVersion(1, info)});
}

class SixteenBitTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(SixteenBitTest, PrintsExactly) {
  ExpectGolden(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SixteenBitTest,
    testing::Values(
        GoldenCase{"RasterFont",
                   RasterFont,
                   {"-f"},
                   "  ProductVersion: 3.0.0.10\n     FileVersion: 3.0.0.10\n"
                   "          FileOS: 16bit Windows\n        FileType: Font(Raster)\n"
                   "     ProductName: Fixture Raster Fonts\n"
                   " FileDescription: Sans Serif 8,10,12,14,18,24\n"
                   "     FileVersion: 3.10\n     CompanyName: Fixture Fonts\n"},
        GoldenCase{"DisplayDriver",
                   [] {
                     return fixture::VersionImage(Format::kNe,
                                                  Fixed(0x00010001, 3, 4,
                                                        {{"FileVersion", "3.10.0.103"},
                                                         {"ProductName", "Fixture Display"}}));
                   },
                   {"-fq"},
                   "  ProductVersion: 3.0.0.10\n     FileVersion: 3.0.0.10\n"
                   "          FileOS: 16bit Windows on MS-DOS\n"
                   "        FileType: Device Driver(Display)\n     FileVersion: 3.10.0.103\n"},
        GoldenCase{"LargeAlignShift",
                   [] {
                     fixture::ImageOptions options;
                     options.neAlignShift = 9;
                     return fixture::VersionImage(Format::kNe,
                                                  Fixed(1, 2, 0, {{"FileVersion", "9"}}), options);
                   },
                   {},
                   "     FileVersion: 9\n"},
        GoldenCase{"NameOneWins",
                   [] {
                     return fixture::BuildNe(
                         {NarrowVersion(2, Fixed(1, 1, 0, {{"FileVersion", "two"}})),
                          NarrowVersion(1, Fixed(1, 1, 0, {{"FileVersion", "one"}}))});
                   },
                   {},
                   "     FileVersion: one\n"},
        GoldenCase{"VirtualDevice",
                   [] {
                     return fixture::VersionImage(
                         Format::kLe,
                         Fixed(0x00010004, 5, 0x0000044A,
                               {{"FileVersion", "4.00.950"}, {"CompanyName", "Fixture Devices"}}));
                   },
                   {"-f"},
                   "  ProductVersion: 3.0.0.10\n     FileVersion: 3.0.0.10\n"
                   "          FileOS: 32bit Windows on MS-DOS\n"
                   "        FileType: Virtual Device Driver(0x0000044A)\n"
                   "     FileVersion: 4.00.950\n     CompanyName: Fixture Devices\n"},
        GoldenCase{"VirtualDeviceOffsetFromHeader",
                   [] {
                     fixture::ImageOptions options;
                     options.leOffsetFromHeader = true;
                     return fixture::VersionImage(
                         Format::kLe, Fixed(4, 5, 1, {{"FileVersion", "4.1"}}), options);
                   },
                   {"-q"},
                   "     FileVersion: 4.1\n"},
        // Two entries: the probe list runs; row 3 (041104E4) holds the table.
        GoldenCase{"TwoTranslations",
                   [] {
                     VersionInfo info;
                     info.tables = {{"040904E4", {{"FileVersion", "english"}}},
                                    {"041104E4", {{"FileVersion", "japanese"}}}};
                     info.translations = {fixture::Translation(0x0409, 0x04E4),
                                          fixture::Translation(0x0411, 0x04E4)};
                     return fixture::VersionImage(Format::kNe, info);
                   },
                   {"-q"},
                   "     FileVersion: japanese\n"},
        // Code page 932 strings come out byte for byte, 0x5C second bytes included.
        GoldenCase{
            "JapaneseTable",
            [] {
              VersionInfo info;
              info.tables = {{"041103A4",
                              {{"FileVersion", "1.0"},
                               {"CompanyName", "\x8C\xA9\x96\x7B\x8D\x48\x8B\xC6"},
                               {"FileDescription", "\x83\x5C\x83\x74\x83\x67"}}}};
              info.translations = {fixture::Translation(0x0411, 0x03A4)};
              return fixture::VersionImage(Format::kNe, info);
            },
            {"-j"},
            "          \x83\x74\x83\x40\x83\x43\x83\x8B\x90\xE0\x96\xBE"
            ": \x83\x5C\x83\x74\x83\x67\n"  // FileDescription
            "    \x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93: 1.0\n"
            "                \x89\xEF\x8E\xD0\x96\xBC: \x8C\xA9\x96\x7B\x8D\x48\x8B\xC6\n"}),
    GoldenCaseName);

// Broken NE and LE tables: the no-version line, and nothing else.
struct BrokenCase {
  const char* name;
  Format format;
  size_t offset;
  Bytes bytes;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
  *out << c.name;
}

class BrokenSixteenBitTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenSixteenBitTest, NoVersion) {
  const BrokenCase& c = GetParam();
  Bytes image = fixture::VersionImage(c.format, Fixed(1, 1, 0, {{"FileVersion", "1"}})).bytes;
  for (size_t i = 0; i < c.bytes.size(); ++i) image[c.offset + i] = c.bytes[i];
  TempDir dir;
  fixture::WriteFile(dir / "f.bin", image);
  RunResult run = RunKelo({"-fv", "f.bin"}, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "<<f.bin>>\n" + kNoVersion);
}

std::string BrokenName(const testing::TestParamInfo<BrokenCase>& info) {
  return info.param.name;
}

// NE: header at 0x40, resource table at 0x80 (shift, then the version's type
// record at 0x82 and its name record at 0x8A). LE: header at 0x80.
INSTANTIATE_TEST_SUITE_P(
    Headers, BrokenSixteenBitTest,
    testing::Values(BrokenCase{"NeTableOffsetPastEnd", Format::kNe, 0x40 + 0x24, {0xF0, 0xFF}},
                    BrokenCase{"NeTableEndBeforeStart", Format::kNe, 0x40 + 0x26, {0x10, 0x00}},
                    BrokenCase{"NeNoTable", Format::kNe, 0x40 + 0x24, {0, 0}},
                    BrokenCase{"NeShiftHuge", Format::kNe, 0x80, {31, 0}},
                    BrokenCase{"NeCountPastTable", Format::kNe, 0x84, {0xFF, 0xFF}},
                    BrokenCase{"NeOffsetPastEnd", Format::kNe, 0x8A, {0xFF, 0xFF}},
                    BrokenCase{"NeOffsetZero", Format::kNe, 0x8A, {0, 0}},
                    BrokenCase{"NeLengthZero", Format::kNe, 0x8C, {0, 0}},
                    BrokenCase{"NeNotVersionType", Format::kNe, 0x82, {0x11, 0x80}},
                    BrokenCase{
                        "LeResourceOffsetPastEnd", Format::kLe, 0x80 + 0xB8, {0, 0, 0, 0x7F}},
                    BrokenCase{"LeResourceOffsetZero", Format::kLe, 0x80 + 0xB8, {0, 0, 0, 0}},
                    BrokenCase{"LeResourceTooShort", Format::kLe, 0x80 + 0xBC, {11, 0, 0, 0}},
                    BrokenCase{"LeNotVersionType", Format::kLe, 0x200, {0xFF, 0x0E, 0x00}},
                    BrokenCase{"LeNamedType", Format::kLe, 0x200, {'V', 'E', 'R'}},
                    BrokenCase{"LeDataSizeZero", Format::kLe, 0x208, {0, 0, 0, 0}},
                    BrokenCase{"LeRootLengthHuge", Format::kLe, 0x20C, {0xFF, 0xFF}}),
    BrokenName);

}  // namespace
