// Allocation failures: the memory line, and the end of the current specification only.
#include <gtest/gtest.h>

#include <string>

#include "fixture/fixture_writer.h"
#include "posix/global_memory.h"
#include "support/capture.h"
#include "support/run_kelo.h"

namespace {

const std::string kNoMemory =
    "  \x83\x81\x83\x82\x83\x8A\x82\xCC\x8A\x6D\x95\xDB\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC"
    "\x82\xB5\x82\xBD\n";  // メモリの確保に失敗しました

class MemoryFailureTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.dll", "b1.dll", "b2.dll", "c.dll"}) {
      fixture::WriteFile(dir_ / name,
                         fixture::VersionImage(fixture::Format::kPe32,
                                               fixture::SimpleVersion({{"FileVersion", name}}))
                             .bytes);
    }
  }
  void TearDown() override { SetGlobalAllocFailure(-1); }
  std::string Report(const std::string& name) {
    return "<<" + (dir_ / name) + ">>\n     FileVersion: " + name + "\n";
  }
  TempDir dir_;
};

TEST_F(MemoryFailureTest, FailedAllocationPrintsTheMemoryLine) {
  SetGlobalAllocFailure(0);
  EXPECT_EQ(RunInProcess({dir_ / "a.dll"}), "<<" + (dir_ / "a.dll") + ">>\n" + kNoMemory);
}

TEST_F(MemoryFailureTest, SecondSpecificationStopsOnItsFirstMatch) {
  SetGlobalAllocFailure(1);  // a.dll passes, the first b*.dll fails
  int status = -1;
  std::string out = RunInProcess({dir_ / "a.dll", dir_ / "b*.dll", dir_ / "c.dll"}, &status);
  EXPECT_EQ(status, 0);
  std::string prefix = Report("a.dll") + "<<" + (dir_ / "b");
  ASSERT_EQ(out.substr(0, prefix.size()), prefix);
  std::string rest = out.substr(prefix.size());
  // Whichever b*.dll came first, it alone is reported, then c.dll.
  EXPECT_TRUE(rest == "1.dll>>\n" + kNoMemory + Report("c.dll") ||
              rest == "2.dll>>\n" + kNoMemory + Report("c.dll"))
      << rest;
}

}  // namespace
