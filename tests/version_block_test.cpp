// Lookups in laid-out version blocks, in both stored forms.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fixture/fixture_writer.h"
#include "posix/version_block.h"
#include "posix/win_api.h"

namespace {

using fixture::Bytes;

Bytes LayOut(const Bytes& resource, BlockForm form) {
  ByteView view{resource.data(), resource.size()};
  size_t size = VersionBlockSize(view, form);
  EXPECT_GT(size, 0u);
  Bytes block(size + 100, 0);
  EXPECT_TRUE(LayOutVersionBlock(view, form, block.data(), size));
  return block;
}

// The text found at `path`, or "<missing>".
std::string Query(const Bytes& block, const char* path, UINT* length = nullptr) {
  void* value = nullptr;
  UINT found = 0;
  if (!VerQueryValueA(block.data(), path, &value, &found)) return "<missing>";
  if (length != nullptr) *length = found;
  return std::string(static_cast<const char*>(value));
}

fixture::VersionInfo Sample() {
  fixture::VersionInfo info = fixture::SimpleVersion(
      {{"FileVersion", "1.2.3.4"},
       {"CompanyName", "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"}});
  info.translations.push_back(fixture::Translation(0x0411, 932));
  return info;
}

TEST(VersionBlockTest, WideFormLookups) {
  Bytes block = LayOut(fixture::SerializeWide(fixture::VersionTree(Sample())), BlockForm::kWide);
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
  EXPECT_EQ(length, 52u);
  EXPECT_EQ(static_cast<uint8_t*>(value)[0], 0xBD);  // the fixed info's signature
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
  EXPECT_EQ(length, 8u);
  const uint8_t expected[] = {0x09, 0x04, 0xB0, 0x04, 0x11, 0x04, 0xA4, 0x03};
  EXPECT_EQ(std::memcmp(value, expected, sizeof(expected)), 0);

  UINT textLength = 0;
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904b0\\FileVersion", &textLength), "1.2.3.4");
  EXPECT_EQ(textLength, 8u);
  // Keys match regardless of case, and empty components are skipped.
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\FILEVERSION"), "1.2.3.4");
  EXPECT_EQ(Query(block, "\\\\StringFileInfo\\\\040904B0\\FileVersion\\"), "1.2.3.4");
  // UTF-16 becomes UTF-8, supplementary characters included.
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\CompanyName"),
            "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\ProductName"), "<missing>");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\FileVersion"), "<missing>");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\FileVersion\\Deeper"), "<missing>");
}

TEST(VersionBlockTest, NarrowFormIsReturnedAsStored) {
  fixture::VersionInfo info;
  // Code page 932 bytes: returned byte for byte.
  info.tables.push_back(
      {"041103a4", {{"FileVersion", "3.1"}, {"CompanyName", "\x89\xEF\x8E\xD0\x5C"}}});
  info.translations.push_back(fixture::Translation(0x0411, 0x03A4));
  Bytes block = LayOut(fixture::SerializeNarrow(fixture::VersionTree(info)), BlockForm::kNarrow);
  EXPECT_EQ(Query(block, "\\StringFileInfo\\041103A4\\FileVersion"), "3.1");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\041103A4\\CompanyName"), "\x89\xEF\x8E\xD0\x5C");
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
  EXPECT_EQ(length, 52u);
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
  EXPECT_EQ(length, 4u);
}

// Values stored oddly: the lookup still returns a NUL-terminated text inside the block.
TEST(VersionBlockTest, OddStringValues) {
  fixture::Node lone =
      fixture::Binary("Comments", {0x41, 0x00, 0x00, 0xD8, 0x42, 0x00, 0x00, 0x00});
  lone.type = 1;
  lone.valueLength = 4;
  fixture::Node empty = fixture::Text("InternalName", "ignored");
  empty.valueLength = 0;
  fixture::Node unterminated = fixture::Text("ProductName", "abc");
  unterminated.textNul = false;
  fixture::Node inBytes = fixture::Text("ProductVersion", "7.0");
  inBytes.valueLength = 8;  // counted in bytes by some linkers
  fixture::Node root = fixture::VersionTree(fixture::VersionInfo{});
  root.children.insert(
      root.children.begin(),
      fixture::Container("StringFileInfo",
                         {fixture::Container("040904B0", {lone, empty, unterminated, inBytes})}));
  Bytes block = LayOut(fixture::SerializeWide(root), BlockForm::kWide);
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\Comments"),
            "A\xEF\xBF\xBD"
            "B");
  UINT length = 99;
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\InternalName", &length), "");
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\ProductName"), "abc");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\ProductVersion"), "7.0");
}

TEST(VersionBlockTest, ZeroFilledBlockHoldsNothing) {
  Bytes block(4096, 0);
  EXPECT_EQ(Query(block, "\\"), "<missing>");
  EXPECT_EQ(Query(block, "\\StringFileInfo\\040904B0\\FileVersion"), "<missing>");
}

TEST(VersionBlockTest, LayoutRefusesTooSmallBlocksAndBrokenRoots) {
  Bytes resource = fixture::SerializeWide(fixture::VersionTree(Sample()));
  ByteView view{resource.data(), resource.size()};
  size_t size = VersionBlockSize(view, BlockForm::kWide);
  Bytes block(size, 0);
  EXPECT_FALSE(LayOutVersionBlock(view, BlockForm::kWide, block.data(), size - 1));
  EXPECT_EQ(block, Bytes(size, 0));

  Bytes tiny = {4, 0, 0, 0};  // a root shorter than its own header
  EXPECT_EQ(VersionBlockSize(ByteView{tiny.data(), tiny.size()}, BlockForm::kWide), 0u);
  Bytes noKeyEnd = {8, 0, 0, 0, 0, 0, 'V', 0};  // key without its NUL
  EXPECT_EQ(VersionBlockSize(ByteView{noKeyEnd.data(), noKeyEnd.size()}, BlockForm::kWide), 0u);
}

// A child whose length is 0 or runs past its parent ends the walk instead of
// looping or reading past the tree.
TEST(VersionBlockTest, BrokenChildLengths) {
  for (uint16_t badLength : {uint16_t{0}, uint16_t{3}, uint16_t{0xFFFF}}) {
    fixture::Node table = fixture::Container("040904B0", {fixture::Text("FileVersion", "1.0")});
    table.length = badLength;
    fixture::Node root = fixture::VersionTree(fixture::VersionInfo{});
    root.children.insert(root.children.begin(), fixture::Container("StringFileInfo", {table}));
    Bytes resource = fixture::SerializeWide(root);
    ByteView view{resource.data(), resource.size()};
    size_t size = VersionBlockSize(view, BlockForm::kWide);
    ASSERT_GT(size, 0u);
    Bytes block(size, 0);
    ASSERT_TRUE(LayOutVersionBlock(view, BlockForm::kWide, block.data(), size));
    std::string found = Query(block, "\\StringFileInfo\\040904B0\\FileVersion");
    if (badLength == 0xFFFF) {
      EXPECT_EQ(found, "1.0") << "an overlong length is clamped to the parent";
    } else {
      EXPECT_EQ(found, "<missing>");
    }
  }
}

}  // namespace
