// Truncated and corrupted images: every run ends with a report or the
// no-version line, and nothing reads outside what was read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture/fixture_writer.h"
#include "posix/byte_source.h"
#include "posix/version_block.h"
#include "posix/version_resource.h"
#include "support/run_kelo.h"

namespace {

using fixture::Bytes;

const std::string kNoVersion =
    "  \x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xAA\x91\xB6\x8D\xDD\x82\xB5"
    "\x82\xDC\x82\xB9\x82\xF1\n";

fixture::Image Sample(fixture::Format format) {
  fixture::VersionInfo info = fixture::SimpleVersion(
      {{"ProductName", "Hostile"}, {"FileVersion", "6.6.6"}, {"CompanyName", "Nobody"}});
  fixture::ImageOptions options;
  options.codeSize = 0x200;
  return fixture::VersionImage(format, info, options);
}

// Reads `bytes` as a file would be read and walks everything a report looks up.
bool ReadAndQuery(const Bytes& bytes) {
  MemorySource source(bytes.data(), bytes.size());
  static uint8_t resource[kMaxVersionResource];
  size_t size = 0;
  BlockForm form;
  if (!ReadVersionResource(source, resource, &size, &form)) return false;
  size_t blockSize = VersionBlockSize(ByteView{resource, size}, form);
  if (blockSize == 0) return false;
  std::vector<uint8_t> block(blockSize);
  if (!LayOutVersionBlock(ByteView{resource, size}, form, block.data(), blockSize)) return false;
  for (const char* path :
       {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\FileVersion",
        "\\StringFileInfo\\040904B0\\CompanyName"}) {
    const uint8_t* value = nullptr;
    size_t length = 0;
    if (QueryVersionBlock(block.data(), path, &value, &length)) {
      EXPECT_GE(value, block.data());
      EXPECT_LE(value + length, block.data() + block.size());
    }
  }
  return true;
}

TEST(HostileTest, TruncatedAtEveryOffset) {
  for (fixture::Format format : {fixture::Format::kPe32, fixture::Format::kPe32Plus,
                                 fixture::Format::kNe, fixture::Format::kLe}) {
    fixture::Image image = Sample(format);
    const Bytes& full = image.bytes;
    ASSERT_TRUE(ReadAndQuery(full));
    size_t versionEnd = image.versionOffset + image.versionSize;
    for (size_t cut = 0; cut < full.size(); ++cut) {
      Bytes truncated(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
      // Cut anywhere before the version bytes end, the resource is not there.
      EXPECT_EQ(ReadAndQuery(truncated), cut >= versionEnd) << "cut at " << cut;
    }
  }
}

// Runs the real binary once over every file in `dir` and checks that each
// file got its header line and then either the no-version line or a report.
void ExpectEveryFileReported(const TempDir& dir, size_t files,
                             const std::vector<std::string>& noVersion) {
  RunResult run = RunKelo({"-fv", "*"}, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  size_t headers = 0;
  for (size_t at = run.out.find("<<"); at != std::string::npos; at = run.out.find("\n<<", at + 1)) {
    ++headers;
  }
  EXPECT_EQ(headers, files);
  for (const std::string& name : noVersion) {
    EXPECT_NE(run.out.find("<<" + name + ">>\n" + kNoVersion), std::string::npos) << name;
  }
}

TEST(HostileTest, TruncatedFilesThroughTheBinary) {
  TempDir dir;
  size_t files = 0;
  std::vector<std::string> noVersion;
  for (fixture::Format format : {fixture::Format::kPe32, fixture::Format::kPe32Plus,
                                 fixture::Format::kNe, fixture::Format::kLe}) {
    fixture::Image image = Sample(format);
    for (size_t cut = 0; cut <= image.bytes.size(); ++cut) {
      std::string name = "f" + std::to_string(static_cast<int>(format)) + "-" + std::to_string(cut);
      fixture::WriteFile(dir / name, Bytes(image.bytes.begin(),
                                           image.bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
      if (cut < image.versionOffset + image.versionSize) noVersion.push_back(name);
      ++files;
    }
  }
  ExpectEveryFileReported(dir, files, noVersion);
}

struct Patch {
  const char* name;
  size_t offset;  // from the PE signature, or absolute when `absolute`
  std::vector<uint8_t> bytes;
  bool absolute = false;
};

void Apply(Bytes& image, const Patch& patch, size_t peHeader) {
  size_t at = patch.absolute ? patch.offset : peHeader + patch.offset;
  for (size_t i = 0; i < patch.bytes.size() && at + i < image.size(); ++i)
    image[at + i] = patch.bytes[i];
}

// Every header field corrupted in turn: the run ends with status 0, and with the
// no-version line or a report.
TEST(HostileTest, CorruptedHeaderFields) {
  fixture::Image image = Sample(fixture::Format::kPe32);
  const size_t pe = 0x80;
  const size_t optional = pe + 24;
  const size_t sections = optional + 224;
  const size_t rsrc = 0x200 + 0x200;  // headers, then one block of code
  const std::vector<Patch> patches = {
      {"BadDosMagic", 0, {'Z', 'M'}, true},
      {"LfanewPastEnd", 0x3C, {0xFF, 0xFF, 0xFF, 0x7F}, true},
      {"LfanewMax", 0x3C, {0xFF, 0xFF, 0xFF, 0xFF}, true},
      {"BadSignature", 0, {'P', 'X'}},
      {"NoSections", 6, {0, 0}},
      {"ManySections", 6, {0xFF, 0xFF}},
      {"OptionalHeaderTooSmall", 20, {0x10, 0}},
      {"OptionalHeaderHuge", 20, {0xFF, 0xFF}},
      {"BadOptionalMagic", 24, {0x07, 0x01}},
      {"NoDataDirectories", 24 + 92, {0, 0, 0, 0}},
      {"ResourceRvaZero", 24 + 96 + 16, {0, 0, 0, 0}},
      {"ResourceRvaHuge", 24 + 96 + 16, {0xF0, 0xFF, 0xFF, 0xFF}},
      {"ResourceRvaInCode", 24 + 96 + 16, {0x00, 0x10, 0, 0}},
      {"SectionRawPointerHuge", sections - pe + 40 + 20, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"SectionRawSizeHuge", sections - pe + 40 + 16, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"SectionRawSizeZero", sections - pe + 40 + 16, {0, 0, 0, 0}},
      {"RootEntryCountHuge", rsrc + 14, {0xFF, 0xFF}, true},
      {"RootNamedCountHuge", rsrc + 12, {0xFF, 0xFF}, true},
      {"TypeEntryPointsAtRoot", rsrc + 20, {0, 0, 0, 0x80}, true},
      {"TypeEntryPastEnd", rsrc + 20, {0xF0, 0xFF, 0xFF, 0xFF}, true},
      {"TypeEntryIsData", rsrc + 20, {0x18, 0, 0, 0}, true},
      {"TypeDirectoryPointsAtItself", rsrc + 44, {0x18, 0, 0, 0x80}, true},
      {"TypeDirectoryPointsAtRoot", rsrc + 44, {0, 0, 0, 0x80}, true},
      {"DataEntryRvaHuge", rsrc + 72, {0xFF, 0xFF, 0xFF, 0xFF}, true},
      {"DataEntrySizeHuge", rsrc + 76, {0xFF, 0xFF, 0xFF, 0xFF}, true},
      {"DataEntrySizeZero", rsrc + 76, {0, 0, 0, 0}, true},
      {"RootNodeLengthZero", image.versionOffset, {0, 0}, true},
      {"RootNodeLengthHuge", image.versionOffset, {0xFF, 0xFF}, true},
      {"RootValueLengthHuge", image.versionOffset + 2, {0xFF, 0xFF}, true},
      {"RootKeyWithoutNul", image.versionOffset + 6, {'V', 'V', 'V', 'V'}, true},
  };
  TempDir dir;
  for (const Patch& patch : patches) {
    Bytes bytes = image.bytes;
    Apply(bytes, patch, pe);
    ASSERT_NE(bytes, image.bytes) << patch.name << " changed nothing";
    fixture::WriteFile(dir / patch.name, bytes);
    ReadAndQuery(bytes);
  }
  ExpectEveryFileReported(dir, patches.size(), {"BadDosMagic", "LfanewPastEnd", "ResourceRvaZero"});
}

}  // namespace
