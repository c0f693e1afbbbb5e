// The drive and directory split of file specifications.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "cli/path_limits.h"
#include "cli/spec_split.h"

namespace {

BOOL WINAPI NoLeadBytes(BYTE) {
  return FALSE;
}

// Code page 932: lead bytes are 0x81-0x9F and 0xE0-0xFC.
BOOL WINAPI Cp932LeadByte(BYTE byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct SplitCase {
  const char* spec;
  bool cp932;
  const char* drive;
  const char* dir;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
  *out << '"' << c.spec << '"' << (c.cp932 ? " cp932" : "");
}

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, DriveAndDirectory) {
  const SplitCase& c = GetParam();
  char drive[kDrivePartSize];
  char dir[kDirPartSize];
  SplitFileSpec(c.spec, c.cp932 ? Cp932LeadByte : NoLeadBytes, drive, sizeof(drive), dir,
                sizeof(dir));
  EXPECT_STREQ(drive, c.drive);
  EXPECT_STREQ(dir, c.dir);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, SplitTest,
    testing::Values(SplitCase{"C:\\DIR\\*.DLL", false, "C:", "\\DIR\\"},
                    SplitCase{"C:*.exe", false, "C:", ""}, SplitCase{"*.dll", false, "", ""},
                    SplitCase{"dir/sub\\x.dll", false, "", "dir/sub\\"},
                    SplitCase{"/usr/lib/x.dll", false, "", "/usr/lib/"},
                    SplitCase{"", false, "", ""}, SplitCase{".", false, "", "."},
                    SplitCase{"..", false, "", ".."}, SplitCase{"dir\\..", false, "", "dir\\.."},
                    SplitCase{"C:..", false, "C:", ".."}, SplitCase{"dir/.x", false, "", "dir/"},
                    // "ソ" is 0x83 0x5C in code page 932: its second byte is not a separator.
                    SplitCase{"C:\\DIR\\\x83\x5C*.DLL", true, "C:", "\\DIR\\"},
                    SplitCase{"\x83\x5C\\a.dll", true, "", "\x83\x5C\\"},
                    // Without the lead-byte rule the same bytes end the directory.
                    SplitCase{"C:\\DIR\\\x83\x5C*.DLL", false, "C:", "\\DIR\\\x83\\"}));

TEST(SplitTest, LongDirectoryIsKeptWhole) {
  std::string dir;
  while (dir.size() < 1000) dir += "abcdefghij/";
  std::string spec = dir + "*.dll";
  char drive[kDrivePartSize];
  char out[kDirPartSize];
  SplitFileSpec(spec.c_str(), NoLeadBytes, drive, sizeof(drive), out, sizeof(out));
  EXPECT_EQ(std::string(out), dir);
}

}  // namespace
