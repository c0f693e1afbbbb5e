// The fixed-information section of -f, through the real binary.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "support/run_kelo.h"

namespace {

// Japanese texts as code page 932 bytes.
const std::string kJaProductVersion = "\x90\xBB\x95\x69\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93";
const std::string kJaFileVersion =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93";
const std::string kJaFileOs = "\x91\xCE\x8F\xDB\x4F\x53";  // 対象OS
const std::string kJaFileType =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x83\x5E\x83\x43\x83\x76";  // ファイルタイプ
const std::string kJaUnknown = "\x95\x73\x96\xBE";               // 不明
const std::string kJaDriver = "\x83\x66\x83\x6F\x83\x43\x83\x58\x83\x68\x83\x89\x83\x43\x83\x6F";
const std::string kJaFont = "\x83\x74\x83\x48\x83\x93\x83\x67";

struct FixedCase {
  const char* name;
  uint32_t fileOS;
  uint32_t fileType;
  uint32_t fileSubtype;
  bool japanese;
  std::string osText;    // after the OS label
  std::string typeText;  // after the type label
};

void PrintTo(const FixedCase& c, std::ostream* out) {
  *out << c.name;
}

class FixedInfoTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedInfoTest, FourLines) {
  const FixedCase& c = GetParam();
  fixture::VersionInfo info;
  info.fixed->productVersionMS = 0x00040000;  // 4.0
  info.fixed->productVersionLS = 0x03B60001;  // 950.1
  info.fixed->fileVersionMS = 0xFFFFFFFF;     // unsigned, no sign
  info.fixed->fileVersionLS = 0x000A0000;
  info.fixed->fileOS = c.fileOS;
  info.fixed->fileType = c.fileType;
  info.fixed->fileSubtype = c.fileSubtype;
  TempDir dir;
  fixture::WriteFile(dir / "f.dll", fixture::VersionImage(fixture::Format::kPe32, info).bytes);
  RunResult run = RunKelo({c.japanese ? "-fj" : "-f", "f.dll"}, dir.path());
  std::string expected =
      c.japanese ? "        " + kJaProductVersion + ": 4.0.950.1\n    " + kJaFileVersion +
                       ": 65535.65535.10.0\n                " + kJaFileOs + ": " + c.osText +
                       "\n        " + kJaFileType + ": " + c.typeText + "\n"
                 : "  ProductVersion: 4.0.950.1\n     FileVersion: 65535.65535.10.0\n"
                   "          FileOS: " +
                       c.osText + "\n        FileType: " + c.typeText + "\n";
  EXPECT_EQ(run.out, "<<f.dll>>\n" + expected);
  EXPECT_EQ(run.status, 0);
}

std::string CaseName(const testing::TestParamInfo<FixedCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    OperatingSystems, FixedInfoTest,
    testing::Values(
        FixedCase{"Windows16", 0x00000001, 1, 0, false, "16bit Windows", "Application"},
        FixedCase{"Pm16", 0x00000002, 1, 0, false, "16bit PM", "Application"},
        FixedCase{"Pm32", 0x00000003, 1, 0, false, "32bit PM", "Application"},
        FixedCase{"Windows32", 0x00000004, 1, 0, false, "32bit Windows", "Application"},
        FixedCase{"Dos", 0x00010000, 1, 0, false, "MS-DOS", "Application"},
        FixedCase{"DosWindows16", 0x00010001, 1, 0, false, "16bit Windows on MS-DOS",
                  "Application"},
        FixedCase{"DosWindows32", 0x00010004, 1, 0, false, "32bit Windows on MS-DOS",
                  "Application"},
        FixedCase{"Os216", 0x00020000, 1, 0, false, "16bit OS/2", "Application"},
        FixedCase{"Os216Pm16", 0x00020002, 1, 0, false, "16bit PM on 16bit OS/2", "Application"},
        FixedCase{"Os232", 0x00030000, 1, 0, false, "32bit OS/2", "Application"},
        FixedCase{"Os232Pm32", 0x00030003, 1, 0, false, "32bit PM on 32bit OS/2", "Application"},
        FixedCase{"Nt", 0x00040000, 1, 0, false, "Windows NT", "Application"},
        FixedCase{"NtWindows32", 0x00040004, 1, 0, false, "32bit Windows on Windows NT",
                  "Application"},
        FixedCase{"OsZero", 0, 1, 0, false, "Unknown", "Application"},
        FixedCase{"OsFive", 5, 1, 0, false, "Unknown", "Application"},
        // Matched as a whole value, not bit by bit.
        FixedCase{"OsBitsCombined", 0x00040005, 1, 0, false, "Unknown", "Application"},
        FixedCase{"OsUnknownJapanese", 0x00050000, 1, 0, true, kJaUnknown,
                  "\x83\x41\x83\x76\x83\x8A\x83\x50\x81\x5B\x83\x56\x83\x87\x83\x93"},
        FixedCase{"OsJapaneseSameText", 0x00040004, 1, 0, true, "32bit Windows on Windows NT",
                  "\x83\x41\x83\x76\x83\x8A\x83\x50\x81\x5B\x83\x56\x83\x87\x83\x93"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    FileTypes, FixedInfoTest,
    testing::Values(
        FixedCase{"Dll", 4, 2, 0, false, "32bit Windows", "Dynamic Link Library"},
        FixedCase{"StaticLibrary", 4, 7, 0, false, "32bit Windows", "Static Link Library"},
        FixedCase{"TypeZero", 4, 0, 0, false, "32bit Windows", "Unknown"},
        FixedCase{"TypeSix", 4, 6, 3, false, "32bit Windows", "Unknown"},
        FixedCase{"TypeHuge", 4, 0x80000000, 3, false, "32bit Windows", "Unknown"},
        FixedCase{"ApplicationIgnoresSubtype", 4, 1, 3, false, "32bit Windows", "Application"},
        FixedCase{"Printer", 4, 3, 1, false, "32bit Windows", "Device Driver(Printer)"},
        FixedCase{"Keyboard", 4, 3, 2, false, "32bit Windows", "Device Driver(Keyboard)"},
        FixedCase{"Language", 4, 3, 3, false, "32bit Windows", "Device Driver(Language)"},
        FixedCase{"Display", 4, 3, 4, false, "32bit Windows", "Device Driver(Display)"},
        FixedCase{"Mouse", 4, 3, 5, false, "32bit Windows", "Device Driver(Mouse)"},
        FixedCase{"Network", 4, 3, 6, false, "32bit Windows", "Device Driver(Network)"},
        FixedCase{"System", 4, 3, 7, false, "32bit Windows", "Device Driver(System)"},
        FixedCase{"Installable", 4, 3, 8, false, "32bit Windows", "Device Driver(Installable)"},
        FixedCase{"Sound", 4, 3, 9, false, "32bit Windows", "Device Driver(Sound)"},
        FixedCase{"Communication", 4, 3, 10, false, "32bit Windows",
                  "Device Driver(Communication)"},
        FixedCase{"DriverSubtypeZero", 4, 3, 0, false, "32bit Windows", "Device Driver"},
        FixedCase{"DriverSubtype12", 4, 3, 12, false, "32bit Windows", "Device Driver"},
        FixedCase{"Raster", 4, 4, 1, false, "32bit Windows", "Font(Raster)"},
        FixedCase{"Vector", 4, 4, 2, false, "32bit Windows", "Font(Vector)"},
        FixedCase{"TrueType", 4, 4, 3, false, "32bit Windows", "Font(TrueType)"},
        FixedCase{"FontSubtype4", 4, 4, 4, false, "32bit Windows", "Font"},
        FixedCase{"VirtualDevice", 4, 5, 10, false, "32bit Windows",
                  "Virtual Device Driver(0x0000000A)"},
        FixedCase{"VirtualDeviceHex", 4, 5, 0xDEADBEEF, false, "32bit Windows",
                  "Virtual Device Driver(0xDEADBEEF)"},
        FixedCase{"JaDll", 4, 2, 0, true, "32bit Windows",
                  "\x83\x5F\x83\x43\x83\x69\x83\x7E\x83\x62\x83\x4E\x83\x8A\x83\x93\x83\x4E\x83\x89"
                  "\x83\x43"
                  "\x83\x75\x83\x89\x83\x8A"},
        FixedCase{"JaStaticLibrary", 4, 7, 0, true, "32bit Windows",
                  "\x83\x58\x83\x5E\x83\x65\x83\x42\x83\x62\x83\x4E\x83\x8A\x83\x93\x83\x4E\x83\x89"
                  "\x83\x43"
                  "\x83\x75\x83\x89\x83\x8A"},
        FixedCase{"JaUnknownType", 4, 0, 0, true, "32bit Windows", kJaUnknown},
        FixedCase{"JaPrinter", 4, 3, 1, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x76\x83\x8A\x83\x93\x83\x5E\x29"},
        FixedCase{"JaKeyboard", 4, 3, 2, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x4C\x81\x5B\x83\x7B\x81\x5B\x83\x68\x29"},
        FixedCase{"JaLanguage", 4, 3, 3, true, "32bit Windows",
                  kJaDriver + "\x28\x8C\xBE\x8C\xEA\x29"},
        FixedCase{"JaDisplay", 4, 3, 4, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x66\x83\x42\x83\x58\x83\x76\x83\x8C\x83\x43\x29"},
        FixedCase{"JaMouse", 4, 3, 5, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x7D\x83\x45\x83\x58\x29"},
        FixedCase{"JaNetwork", 4, 3, 6, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x6C\x83\x62\x83\x67\x83\x8F\x81\x5B\x83\x4E\x29"},
        FixedCase{"JaSystem", 4, 3, 7, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x56\x83\x58\x83\x65\x83\x80\x29"},
        FixedCase{
            "JaInstallable", 4, 3, 8, true, "32bit Windows",
            kJaDriver + "\x28\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x89\xC2\x94\x5C\x29"},
        FixedCase{"JaSound", 4, 3, 9, true, "32bit Windows",
                  kJaDriver + "\x28\x83\x54\x83\x45\x83\x93\x83\x68\x29"},
        FixedCase{"JaCommunication", 4, 3, 10, true, "32bit Windows",
                  kJaDriver + "\x28\x92\xCA\x90\x4D\x29"},
        FixedCase{"JaDriverSubtype11", 4, 3, 11, true, "32bit Windows", kJaDriver},
        FixedCase{"JaRaster", 4, 4, 1, true, "32bit Windows",
                  kJaFont + "\x28\x83\x89\x83\x58\x83\x5E\x29"},
        FixedCase{"JaVector", 4, 4, 2, true, "32bit Windows",
                  kJaFont + "\x28\x83\x78\x83\x4E\x83\x5E\x29"},
        FixedCase{"JaTrueType", 4, 4, 3, true, "32bit Windows", kJaFont + "(TrueType)"},
        FixedCase{"JaVirtualDevice", 4, 5, 0x1234, true, "32bit Windows",
                  "\x89\xBC\x91\x7A\x83\x66\x83\x6F\x83\x43\x83\x58\x83\x68\x83\x89\x83\x43\x83\x6F"
                  "(0x00001234)"}),
    CaseName);

// A root value missing or shorter than VS_FIXEDFILEINFO prints no section; the
// string fields still follow.
TEST(FixedInfoAbsentTest, MissingOrShortRootValue) {
  for (size_t length : {size_t{0}, size_t{20}, size_t{51}}) {
    fixture::VersionInfo info = fixture::SimpleVersion({{"FileVersion", "1.0"}});
    fixture::Bytes full = fixture::FixedInfoBytes(fixture::FixedInfo{});
    info.rootValue =
        fixture::Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    TempDir dir;
    fixture::WriteFile(dir / "f.dll", fixture::VersionImage(fixture::Format::kPe32, info).bytes);
    EXPECT_EQ(RunKelo({"-fv", "f.dll"}, dir.path()).out, "<<f.dll>>\n     FileVersion: 1.0\n")
        << length << " bytes";
  }
}

// The root claims 52 bytes of value, but its node ends before them.
TEST(FixedInfoAbsentTest, RootValueCutByItsNode) {
  fixture::Node root = fixture::VersionTree(fixture::VersionInfo{});
  root.children.clear();
  root.length = 6 + 32 + 2 + 20;  // header, key, padding, 20 of the 52 bytes
  TempDir dir;
  fixture::Resource resource;
  resource.data = fixture::SerializeWide(root);
  fixture::WriteFile(dir / "f.dll", fixture::BuildPe(fixture::Format::kPe32, {resource}).bytes);
  EXPECT_EQ(RunKelo({"-f", "f.dll"}, dir.path()).out, "<<f.dll>>\n");
}

TEST(FixedInfoAbsentTest, QuietKeepsTheSection) {
  TempDir dir;
  fixture::WriteFile(
      dir / "f.dll",
      fixture::VersionImage(fixture::Format::kPe32,
                            fixture::SimpleVersion({{"FileVersion", "1.0"}, {"ProductName", "p"}}))
          .bytes);
  EXPECT_EQ(RunKelo({"-fq", "f.dll"}, dir.path()).out,
            "<<f.dll>>\n  ProductVersion: 1.2.3.4\n     FileVersion: 1.2.3.4\n"
            "          FileOS: 32bit Windows on Windows NT\n        FileType: Application\n"
            "     FileVersion: 1.0\n");
}

}  // namespace
