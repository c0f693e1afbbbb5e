// The version API stand-ins over files that change under them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "posix/win_api.h"
#include "support/run_kelo.h"

namespace {

fixture::Bytes Library(const std::string& version) {
  return fixture::VersionImage(fixture::Format::kPe32,
                               fixture::SimpleVersion({{"FileVersion", version}}))
      .bytes;
}

std::string FileVersion(const std::vector<uint8_t>& block) {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion", &value, &length)) {
    return "<missing>";
  }
  return static_cast<const char*>(value);
}

class VersionApiTest : public testing::Test {
 protected:
  TempDir dir_;
  std::string path_ = dir_ / "lib.dll";
};

// The size query reads the resource once; the load that follows with its
// handle uses those bytes, so a file that vanishes in between is still
// reported as it was.
TEST_F(VersionApiTest, LoadAfterTheFileVanished) {
  fixture::WriteFile(path_, Library("before"));
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &handle);
  ASSERT_GT(size, 0u);
  ASSERT_EQ(unlink(path_.c_str()), 0);
  std::vector<uint8_t> block(size + 100, 0);
  EXPECT_TRUE(GetFileVersionInfoA(path_.c_str(), handle, size, block.data()));
  EXPECT_EQ(FileVersion(block), "before");
}

// A load without that handle reads the file again. When it has shrunk or
// vanished, or now needs more room than the caller has, the block stays
// zero-filled and every lookup fails without reading past it.
TEST_F(VersionApiTest, ReloadOfAChangedFileLeavesTheBlockZero) {
  fixture::Bytes original = Library("before");
  fixture::WriteFile(path_, original);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &handle);
  ASSERT_GT(size, 0u);

  fixture::WriteFile(path_, fixture::Bytes(original.begin(), original.begin() + 0x300));
  std::vector<uint8_t> block(size + 100, 0);
  EXPECT_FALSE(GetFileVersionInfoA(path_.c_str(), 0, size, block.data()));
  EXPECT_EQ(block, std::vector<uint8_t>(size + 100, 0));
  EXPECT_EQ(FileVersion(block), "<missing>");

  ASSERT_EQ(unlink(path_.c_str()), 0);
  EXPECT_FALSE(GetFileVersionInfoA(path_.c_str(), 0, size, block.data()));

  fixture::WriteFile(path_, Library("a much longer version string than before"));
  EXPECT_FALSE(GetFileVersionInfoA(path_.c_str(), 0, size, block.data()));
  EXPECT_EQ(FileVersion(block), "<missing>");

  fixture::WriteFile(path_, Library("after"));
  EXPECT_TRUE(GetFileVersionInfoA(path_.c_str(), 0, size, block.data()));
  EXPECT_EQ(FileVersion(block), "after");
}

}  // namespace
