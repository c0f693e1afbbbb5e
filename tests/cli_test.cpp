// The command line and the expansion of file specifications, through the real binary.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "support/run_kelo.h"

namespace {

const char* const kUsage =
    "Kelo 1.2p Usage:\n"
    "Kelo [-jfvq] <Files>...\n"
    "-j : Japanese\n"
    "-f : Fixed file info\n"
    "-v : Verbose\n"
    "-q : Quiet\n";
const std::string kNotFound =
    "\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\n";  // が見つかりません
const std::string kNoVersion =
    "  \x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xAA\x91\xB6\x8D\xDD\x82\xB5"
    "\x82\xDC\x82\xB9\x82\xF1\n";  // バージョン情報が存在しません
const std::string kJaFileVersion =
    "    \x83\x74\x83\x40\x83\x43\x83\x8B\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93: ";

// A library whose report is the one line "     FileVersion: <version>".
fixture::Bytes Library(const std::string& version) {
  return fixture::VersionImage(fixture::Format::kPe32,
                               fixture::SimpleVersion({{"FileVersion", version}}))
      .bytes;
}

std::string Report(const std::string& header, const std::string& version) {
  return "<<" + header + ">>\n     FileVersion: " + version + "\n";
}

// Splits the output into per-file reports, so that wildcard matches can be
// compared whatever order the directory yields them in.
std::vector<std::string> SortedReports(const std::string& out) {
  std::vector<std::string> reports;
  size_t at = 0;
  while (at < out.size()) {
    size_t next = out.find("<<", at + 1);
    if (next == std::string::npos) next = out.size();
    reports.push_back(out.substr(at, next - at));
    at = next;
  }
  std::sort(reports.begin(), reports.end());
  return reports;
}

class CliTest : public testing::Test {
 protected:
  void SetUp() override {
    fixture::WriteFile(dir_ / "x.dll", Library("x"));
    fixture::WriteFile(dir_ / "y.dll", Library("y"));
  }
  RunResult Run(const std::vector<std::string>& args) { return RunKelo(args, dir_.path()); }
  TempDir dir_;
};

TEST_F(CliTest, UsageWhenNoSpecification) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"-q"}, {"-jfvq", "/x"}}) {
    RunResult run = Run(args);
    EXPECT_EQ(run.out, kUsage);
    EXPECT_EQ(run.status, 0);
  }
}

TEST_F(CliTest, OptionsApplyToLaterSpecificationsOnly) {
  EXPECT_EQ(Run({"x.dll", "-j"}).out, Report("x.dll", "x"));
  EXPECT_EQ(Run({"-j", "x.dll", "-j", "y.dll"}).out,
            "<<x.dll>>\n" + kJaFileVersion + "x\n" + Report("y.dll", "y"));
  EXPECT_EQ(Run({"-j", "-j", "x.dll"}).out, Report("x.dll", "x"));
  EXPECT_EQ(Run({"-xyz", "x.dll"}).out, Report("x.dll", "x"));
  EXPECT_EQ(Run({"-", "/", "x.dll"}).out, Report("x.dll", "x"));
  EXPECT_EQ(Run({"-J", "x.dll"}).out, "<<x.dll>>\n" + kJaFileVersion + "x\n");
}

TEST_F(CliTest, SlashGroupsThatNameNoDirectoryAreOptions) {
  // "/windows/system/ver.dll" names no existing directory: its one 'v' flips
  // verbose, and with no specification the usage follows.
  EXPECT_EQ(Run({"/windows/system/ver.dll"}).out, kUsage);
  fixture::WriteFile(
      dir_ / "v.dll",
      fixture::VersionImage(fixture::Format::kPe32,
                            fixture::SimpleVersion({{"FileVersion", "1"}, {"Comments", "c"}}))
          .bytes);
  EXPECT_EQ(Run({"/windows/system/ver.dll", "v.dll"}).out,
            "<<v.dll>>\n     FileVersion: 1\n        Comments: c\n");
}

TEST_F(CliTest, AbsolutePathsAreSpecifications) {
  std::string path = dir_ / "x.dll";
  EXPECT_EQ(Run({path}).out, Report(path, "x"));
  EXPECT_EQ(SortedReports(Run({dir_ / "*.DLL"}).out),
            (std::vector<std::string>{Report(dir_ / "x.dll", "x"), Report(dir_ / "y.dll", "y")}));
}

TEST_F(CliTest, NotFound) {
  std::filesystem::create_directory(dir_ / "sub");
  for (const std::string spec : {"nothing*.dll", "missing.dll", "sub", "nodir\\x.dll", "C:*.exe",
                                 "C:\\DIR\\x.dll", "sub\\", "x.dll\\"}) {
    EXPECT_EQ(Run({spec}).out, "  " + spec + kNotFound) << spec;
  }
  EXPECT_EQ(Run({""}).out, "  " + kNotFound);
  EXPECT_EQ(Run({"nothing", "x.dll"}).out, "  nothing" + kNotFound + Report("x.dll", "x"));
}

TEST_F(CliTest, WildcardsAndSeparators) {
  std::filesystem::create_directories(dir_ / "sub/dir.dll");  // a directory: never reported
  fixture::WriteFile(dir_ / "sub/Kernel.dll", Library("k"));
  fixture::WriteFile(dir_ / "sub/notes.txt", {'x'});
  fixture::WriteFile(dir_ / "sub/README", {'x'});
  EXPECT_EQ(Run({"sub\\*.DLL"}).out, Report("sub\\Kernel.dll", "k"));
  EXPECT_EQ(Run({"sub/kernel.dll"}).out, Report("sub/Kernel.dll", "k"));
  EXPECT_EQ(Run({"sub/k?rn*"}).out, Report("sub/Kernel.dll", "k"));
  EXPECT_EQ(Run({"sub/*."}).out, "<<sub/README>>\n" + kNoVersion);
  EXPECT_EQ(
      SortedReports(Run({"sub/*.*"}).out),
      (std::vector<std::string>{Report("sub/Kernel.dll", "k"), "<<sub/README>>\n" + kNoVersion,
                                "<<sub/notes.txt>>\n" + kNoVersion}));
  EXPECT_EQ(SortedReports(Run({"*.dll"}).out),
            (std::vector<std::string>{Report("x.dll", "x"), Report("y.dll", "y")}));
  EXPECT_EQ(Run({"sub\\.."}).out, "  sub\\.." + kNotFound);
  // Linux has no hidden attribute: a dot file is an entry like any other.
  fixture::WriteFile(dir_ / "sub/.hidden.dll", Library("h"));
  EXPECT_EQ(
      SortedReports(Run({"sub/*.dll"}).out),
      (std::vector<std::string>{Report("sub/.hidden.dll", "h"), Report("sub/Kernel.dll", "k")}));
}

TEST_F(CliTest, PathsLongerThanTheWindowsLimit) {
  std::string relative;
  for (int i = 0; i < 30; ++i) relative += "directory" + std::to_string(i) + "/";
  std::filesystem::create_directories(dir_ / relative);
  fixture::WriteFile(dir_ / (relative + "deep.dll"), Library("deep"));
  ASSERT_GT(relative.size(), 300u);
  EXPECT_EQ(Run({relative + "*.dll"}).out, Report(relative + "deep.dll", "deep"));
  EXPECT_EQ(Run({relative + "deep.dll"}).out, Report(relative + "deep.dll", "deep"));
}

TEST_F(CliTest, SpecialFilesReportNoVersion) {
  ASSERT_EQ(mkfifo((dir_ / "pipe.dll").c_str(), 0600), 0);
  std::filesystem::create_symlink("missing-target", dir_ / "dangling.dll");
  std::filesystem::create_symlink("x.dll", dir_ / "link.dll");
  std::filesystem::create_directory(dir_ / "real");
  std::filesystem::create_directory_symlink("real", dir_ / "dirlink.dll");
  std::filesystem::create_symlink("loop.dll", dir_ / "loop.dll");
  EXPECT_EQ(Run({"pipe.dll"}).out, "<<pipe.dll>>\n" + kNoVersion);
  EXPECT_EQ(Run({"dangling.dll"}).out, "<<dangling.dll>>\n" + kNoVersion);
  EXPECT_EQ(Run({"loop.dll"}).out, "<<loop.dll>>\n" + kNoVersion);
  EXPECT_EQ(Run({"link.dll"}).out, Report("link.dll", "x"));
  EXPECT_EQ(Run({"dirlink.dll"}).out, "  dirlink.dll" + kNotFound);
  EXPECT_EQ(Run({"/dev/null"}).out, "<</dev/null>>\n" + kNoVersion);
  EXPECT_EQ(Run({"/dev/zero"}).out, "<</dev/zero>>\n" + kNoVersion);
  EXPECT_EQ(SortedReports(Run({"*.dll"}).out),
            (std::vector<std::string>{"<<dangling.dll>>\n" + kNoVersion, Report("link.dll", "x"),
                                      "<<loop.dll>>\n" + kNoVersion, "<<pipe.dll>>\n" + kNoVersion,
                                      Report("x.dll", "x"), Report("y.dll", "y")}));
}

TEST_F(CliTest, UnreadableFile) {
  fixture::WriteFile(dir_ / "locked.dll", Library("l"));
  chmod((dir_ / "locked.dll").c_str(), 0);
  // Root reads every file: run as nobody then.
  const unsigned kNobody = 65534;
  chmod(dir_.path().c_str(), 0755);
  RunResult run = geteuid() == 0 ? RunKeloAs(kNobody, {"locked.dll", "*.dll"}, dir_.path())
                                 : Run({"locked.dll", "*.dll"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      SortedReports(run.out),
      (std::vector<std::string>{"<<locked.dll>>\n" + kNoVersion, "<<locked.dll>>\n" + kNoVersion,
                                Report("x.dll", "x"), Report("y.dll", "y")}));
}

TEST_F(CliTest, UnwritableOutputFails) {
  RunResult run = RunKelo({"x.dll"}, dir_.path(), "/dev/full");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(RunKelo({"x.dll"}, dir_.path(), "/dev/null").status, 0);
}

}  // namespace
