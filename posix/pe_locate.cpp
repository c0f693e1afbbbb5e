// The version resource of a PE32 or PE32+ image: the resource data directory,
// mapped through the section table, then the three levels of the resource
// tree (type 16, then name, then language) down to one data entry.
#include <cstdint>

#include "posix/image_locate.h"

namespace {

// Offsets within the COFF file header, which follows the 4-byte signature.
constexpr uint64_t kFileHeaderSize = 20;
constexpr uint64_t kNumberOfSections = 2;
constexpr uint64_t kSizeOfOptionalHeader = 16;

// Offsets within the optional header, by its magic.
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint64_t kPe32RvaCount = 92;
constexpr uint64_t kPe32Directories = 96;
constexpr uint64_t kPe32PlusRvaCount = 108;
constexpr uint64_t kPe32PlusDirectories = 112;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint64_t kDataDirectorySize = 8;

// One section header.
constexpr uint64_t kSectionHeaderSize = 40;
constexpr uint64_t kSectionVirtualAddress = 12;
constexpr uint64_t kSectionSizeOfRawData = 16;
constexpr uint64_t kSectionPointerToRawData = 20;

// The resource tree.
constexpr uint64_t kDirectoryHeaderSize = 16;
constexpr uint64_t kDirectoryNamedCount = 12;
constexpr uint64_t kDirectoryIdCount = 14;
constexpr uint64_t kDirectoryEntrySize = 8;
constexpr uint32_t kHighBit = 0x80000000u;
constexpr uint32_t kVersionType = 16;
constexpr uint32_t kPreferredName = 1;
constexpr uint32_t kNeutralLanguage = 0x0000;
constexpr uint32_t kUsEnglish = 0x0409;

// The parts of a section header that map addresses to file offsets.
struct Section {
  uint32_t virtualAddress;
  uint32_t rawSize;
  uint32_t rawPointer;
};

// The section table. Tables of up to kCachedSections entries (every ordinary
// image) are decoded once, so that mapping an address costs no read; a larger
// one is read entry by entry.
constexpr uint16_t kCachedSections = 96;
struct SectionTable {
  uint64_t offset = 0;
  uint16_t count = 0;
  bool cached = false;
  Section sections[kCachedSections];
};

bool ReadSection(ByteView headers, uint64_t at, Section* out) {
  return ReadU32(headers, at + kSectionVirtualAddress, &out->virtualAddress) &&
         ReadU32(headers, at + kSectionSizeOfRawData, &out->rawSize) &&
         ReadU32(headers, at + kSectionPointerToRawData, &out->rawPointer);
}

void CacheSections(WindowReader& reader, SectionTable* table) {
  ByteView headers;
  if (table->count > kCachedSections ||
      !reader.View(table->offset, table->count * kSectionHeaderSize, &headers)) {
    return;
  }
  for (uint16_t i = 0; i < table->count; ++i) {
    if (!ReadSection(headers, i * kSectionHeaderSize, &table->sections[i])) return;
  }
  table->cached = true;
}

bool SectionAt(WindowReader& reader, const SectionTable& table, uint16_t index, Section* out) {
  if (table.cached) {
    *out = table.sections[index];
    return true;
  }
  ByteView header;
  return reader.View(table.offset + index * kSectionHeaderSize, kSectionHeaderSize, &header) &&
         ReadSection(header, 0, out);
}

// Maps `rva` to a file offset through the section whose raw data holds it,
// and tells how many bytes of that raw data follow it.
bool RvaToOffset(WindowReader& reader, const SectionTable& table, uint32_t rva, uint64_t* offset,
                 uint64_t* available) {
  for (uint16_t i = 0; i < table.count; ++i) {
    Section section;
    if (!SectionAt(reader, table, i, &section)) return false;
    if (rva < section.virtualAddress || rva - section.virtualAddress >= section.rawSize) continue;
    uint64_t delta = rva - section.virtualAddress;
    *offset = static_cast<uint64_t>(section.rawPointer) + delta;
    *available = section.rawSize - delta;
    return true;
  }
  return false;
}

// One directory of the resource tree, at `base` + its offset in the file.
struct Directory {
  uint64_t entries;  // file offset of the first entry
  uint32_t count;    // named and numbered entries together
};

bool ReadDirectory(WindowReader& reader, uint64_t base, uint64_t limit, uint32_t offset,
                   Directory* out) {
  if (!Fits(offset, kDirectoryHeaderSize, limit)) return false;
  uint16_t named = 0, ids = 0;
  if (!reader.U16(base + offset + kDirectoryNamedCount, &named) ||
      !reader.U16(base + offset + kDirectoryIdCount, &ids)) {
    return false;
  }
  out->entries = base + offset + kDirectoryHeaderSize;
  out->count = static_cast<uint32_t>(named) + ids;
  if (!Fits(offset + kDirectoryHeaderSize, out->count * kDirectoryEntrySize, limit)) return false;
  return true;
}

struct Entry {
  uint32_t name;
  uint32_t target;
};

bool ReadEntry(WindowReader& reader, const Directory& directory, uint32_t index, Entry* out) {
  uint64_t at = directory.entries + index * kDirectoryEntrySize;
  return reader.U32(at, &out->name) && reader.U32(at + 4, &out->target);
}

// The first entry numbered `id` (not named), or false.
bool FindNumbered(WindowReader& reader, const Directory& directory, uint32_t id, Entry* out) {
  for (uint32_t i = 0; i < directory.count; ++i) {
    Entry entry;
    if (!ReadEntry(reader, directory, i, &entry)) return false;
    if ((entry.name & kHighBit) == 0 && entry.name == id) {
      *out = entry;
      return true;
    }
  }
  return false;
}

// Picks by the first of `ids` that is present, else the directory's first entry.
bool PickEntry(WindowReader& reader, const Directory& directory, const uint32_t* ids,
               size_t idCount, Entry* out) {
  for (size_t i = 0; i < idCount; ++i) {
    if (FindNumbered(reader, directory, ids[i], out)) return true;
  }
  return directory.count > 0 && ReadEntry(reader, directory, 0, out);
}

}  // namespace

bool LocatePeVersion(WindowReader& reader, uint32_t newHeader, ResourceLocation* out) {
  uint64_t fileHeader = static_cast<uint64_t>(newHeader) + 4;
  uint16_t sectionCount = 0, optionalSize = 0, magic = 0;
  if (!reader.U16(fileHeader + kNumberOfSections, &sectionCount) ||
      !reader.U16(fileHeader + kSizeOfOptionalHeader, &optionalSize)) {
    return false;
  }
  uint64_t optional = fileHeader + kFileHeaderSize;
  if (!reader.U16(optional, &magic)) return false;
  uint64_t rvaCountAt = 0, directoriesAt = 0;
  if (magic == kPe32Magic) {
    rvaCountAt = kPe32RvaCount;
    directoriesAt = kPe32Directories;
  } else if (magic == kPe32PlusMagic) {
    rvaCountAt = kPe32PlusRvaCount;
    directoriesAt = kPe32PlusDirectories;
  } else {
    return false;
  }
  // The resource directory must be both counted and inside the optional
  // header that the file header sizes.
  uint32_t rvaCount = 0;
  uint64_t resourceEntry = directoriesAt + kResourceDirectoryIndex * kDataDirectorySize;
  if (!reader.U32(optional + rvaCountAt, &rvaCount) || rvaCount <= kResourceDirectoryIndex ||
      resourceEntry + kDataDirectorySize > optionalSize) {
    return false;
  }
  uint32_t resourceRva = 0;
  if (!reader.U32(optional + resourceEntry, &resourceRva) || resourceRva == 0) return false;

  SectionTable sections;
  sections.offset = optional + optionalSize;
  sections.count = sectionCount;
  CacheSections(reader, &sections);
  uint64_t base = 0, limit = 0;
  if (!RvaToOffset(reader, sections, resourceRva, &base, &limit)) return false;

  // Three fixed levels, walked without recursion: a tree whose entries point
  // back at their own directory cannot make this loop.
  Directory directory;
  Entry entry;
  static const uint32_t kNameIds[] = {kPreferredName};
  static const uint32_t kLanguageIds[] = {kNeutralLanguage, kUsEnglish};
  if (!ReadDirectory(reader, base, limit, 0, &directory) ||
      !FindNumbered(reader, directory, kVersionType, &entry) || (entry.target & kHighBit) == 0) {
    return false;
  }
  if (!ReadDirectory(reader, base, limit, entry.target & ~kHighBit, &directory) ||
      !PickEntry(reader, directory, kNameIds, 1, &entry) || (entry.target & kHighBit) == 0) {
    return false;
  }
  if (!ReadDirectory(reader, base, limit, entry.target & ~kHighBit, &directory) ||
      !PickEntry(reader, directory, kLanguageIds, 2, &entry) || (entry.target & kHighBit) != 0) {
    return false;
  }
  // The data entry: the RVA of the bytes and their size.
  uint32_t dataRva = 0, dataSize = 0;
  if (!Fits(entry.target, 8, limit) || !reader.U32(base + entry.target, &dataRva) ||
      !reader.U32(base + entry.target + 4, &dataSize) || dataSize == 0) {
    return false;
  }
  uint64_t dataOffset = 0, dataAvailable = 0;
  if (!RvaToOffset(reader, sections, dataRva, &dataOffset, &dataAvailable) ||
      dataSize > dataAvailable) {
    return false;
  }
  out->offset = dataOffset;
  out->size = dataSize;
  out->form = BlockForm::kWide;
  return true;
}
