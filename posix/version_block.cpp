// Walking VS_VERSIONINFO trees in both stored forms.
//
// A node is: wLength (2 bytes), wValueLength (2), in the 32-bit form wType
// (2), then its key (UTF-16 or narrow, NUL-terminated), padding to 4 bytes,
// its value, padding to 4 bytes, and its children up to wLength. Offsets are
// counted from the start of the block, which is 4-byte aligned.
#include "posix/version_block.h"

#include <cstdint>
#include <cstring>

#include "posix/utf16.h"

namespace {

constexpr char kWideTag[4] = {'V', 'B', '3', '2'};
constexpr char kNarrowTag[4] = {'V', 'B', '1', '6'};
constexpr size_t kTagIdSize = 4;
constexpr size_t kTagSize = 8;  // the form's id, then the layout's generation
constexpr char kStringFileInfo[] = "StringFileInfo";
constexpr uint16_t kTextType = 1;

size_t AlignUp4(size_t offset) {
  return (offset + 3) & ~static_cast<size_t>(3);
}

// Where the copy of the value stored at `offset` goes, from the copies' start.
size_t CopyOffset(size_t offset) {
  return offset + offset / 2;
}

// Room for all copies of a W-byte tree: the last copy may end with its NUL
// just past CopyOffset(W).
size_t CopyAreaSize(size_t treeSize) {
  return CopyOffset(treeSize) + 8;
}

size_t CopyAreaStart(size_t treeSize) {
  return AlignUp4(treeSize) + kTagSize;
}

struct Node {
  size_t start = 0;
  size_t end = 0;  // clamped to the parent
  size_t keyStart = 0;
  size_t keyLength = 0;  // in bytes, without the NUL
  size_t valueStart = 0;
  size_t valueBytes = 0;     // as the form counts them, clamped to the node
  uint16_t valueLength = 0;  // wValueLength as stored
  size_t childrenStart = 0;
};

// Parses the node at `start`, which must lie before `limit`. False for a node
// too short to hold its own header and key: every walk stops there, so each
// step moves forward.
constexpr size_t kUnknownKeyLength = SIZE_MAX;

bool ParseNode(ByteView tree, BlockForm form, size_t start, size_t limit, Node* node,
               size_t keyLength = kUnknownKeyLength) {
  const bool wide = form == BlockForm::kWide;
  const size_t headerSize = wide ? 6 : 4;
  const size_t unit = wide ? 2 : 1;
  uint16_t length = 0, valueLength = 0, type = 0;
  if (limit > tree.size || !Fits(start, headerSize, limit)) return false;
  if (!ReadU16(tree, start, &length) || !ReadU16(tree, start + 2, &valueLength)) return false;
  if (wide && !ReadU16(tree, start + 4, &type)) return false;
  if (length < headerSize + unit) return false;
  node->start = start;
  node->end = Fits(start, length, limit) ? start + length : limit;
  node->keyStart = start + headerSize;
  // The key ends at its NUL, which must lie inside the node. A caller that
  // has just compared the key knows where; the NUL is still checked there.
  const uint8_t* data = tree.data;
  const size_t last = node->end >= unit ? node->end - unit : 0;
  size_t at = node->keyStart;
  if (keyLength != kUnknownKeyLength && last >= at && keyLength <= last - at) at += keyLength;
  while (at <= last && (data[at] != 0 || (wide && data[at + 1] != 0))) at += unit;
  if (at > last || node->end < unit) return false;  // a key without its NUL
  node->keyLength = at - node->keyStart;
  node->valueLength = valueLength;
  node->valueStart = AlignUp4(at + unit);
  if (node->valueStart > node->end) node->valueStart = node->end;
  size_t declared = (wide && type == kTextType) ? 2u * valueLength : valueLength;
  size_t room = node->end - node->valueStart;
  node->valueBytes = declared < room ? declared : room;
  node->childrenStart = AlignUp4(node->valueStart + node->valueBytes);
  if (node->childrenStart > node->end) node->childrenStart = node->end;
  return true;
}

size_t HeaderSize(BlockForm form) {
  return form == BlockForm::kWide ? 6 : 4;
}
size_t UnitSize(BlockForm form) {
  return form == BlockForm::kWide ? 2 : 1;
}

// Iterates the children of a node. A child too short to hold its header and
// a key ends the walk; a child whose key has no NUL is passed over.
class Children {
 public:
  Children(ByteView tree, BlockForm form, const Node& parent)
      : tree_(tree), form_(form), next_(parent.childrenStart), end_(parent.end) {}

  // The bounds of the next child, without parsing its key.
  bool NextBounds(size_t* start, size_t* end) {
    uint16_t length = 0;
    if (next_ >= end_ || !Fits(next_, HeaderSize(form_), end_) || !ReadU16(tree_, next_, &length) ||
        length < HeaderSize(form_) + UnitSize(form_)) {
      return false;
    }
    *start = next_;
    *end = Fits(next_, length, end_) ? next_ + length : end_;
    next_ = AlignUp4(*end);
    return true;
  }

  bool Next(Node* child) {
    size_t start = 0, end = 0;
    while (NextBounds(&start, &end)) {
      if (ParseNode(tree_, form_, start, end_, child)) return true;
    }
    return false;
  }

 private:
  ByteView tree_;
  BlockForm form_;
  size_t next_;
  size_t end_;
};

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the key stored at `keyStart` (before `end`) equals `name`, ignoring
// ASCII case: the comparison runs along the stored key and stops at the first
// difference, so siblings with other keys cost a character or two each.
// A path component being looked up; `ascii` is worked out once per component
// rather than once per key it is compared with.
struct Name {
  const char* text;
  size_t length;
  bool ascii;
};

Name MakeName(const char* text, size_t length) {
  bool ascii = true;
  for (size_t i = 0; i < length && ascii; ++i) ascii = static_cast<unsigned char>(text[i]) < 0x80;
  return Name{text, length, ascii};
}

bool KeyEqualsAt(ByteView tree, BlockForm form, size_t keyStart, size_t end, const Name& key) {
  const char* name = key.text;
  const size_t nameLength = key.length;
  if (form == BlockForm::kNarrow) {
    if (!Fits(keyStart, nameLength + 1, end)) return false;
    for (size_t i = 0; i < nameLength; ++i) {
      if (FoldAscii(static_cast<char>(tree.data[keyStart + i])) != FoldAscii(name[i])) return false;
    }
    return tree.data[keyStart + nameLength] == 0;
  }
  ByteView units{tree.data + keyStart, (end - keyStart) & ~static_cast<size_t>(1)};
  if (key.ascii) {
    // One unit a character: a key of another length is told apart by where
    // its NUL is, before any character is compared.
    uint16_t terminator = 1;
    if (!ReadU16(units, 2 * nameLength, &terminator) || terminator != 0) return false;
    for (size_t i = 0; i < nameLength; ++i) {
      if (units.data[2 * i + 1] != 0 ||
          FoldAscii(static_cast<char>(units.data[2 * i])) != FoldAscii(name[i])) {
        return false;
      }
    }
    return true;
  }
  size_t matched = 0, unit = 0;
  while (unit < units.size / 2) {
    uint8_t low = units.data[2 * unit], high = units.data[2 * unit + 1];
    if (high == 0 && low < 0x80) {  // ASCII, the usual case
      if (low == 0) return matched == nameLength;
      if (matched >= nameLength || FoldAscii(static_cast<char>(low)) != FoldAscii(name[matched])) {
        return false;
      }
      ++matched;
      ++unit;
      continue;
    }
    char encoded[4];
    size_t count = EncodeUtf8(NextCodePoint(units, &unit), encoded);
    for (size_t i = 0; i < count; ++i, ++matched) {
      if (matched >= nameLength || FoldAscii(encoded[i]) != FoldAscii(name[matched])) return false;
    }
  }
  return false;  // no NUL before the node's end
}

// Finds the first child of `parent` whose key is `name`.
bool FindChild(ByteView tree, BlockForm form, const Node& parent, const Name& name, Node* child) {
  Children children(tree, form, parent);
  size_t start = 0, end = 0;
  while (children.NextBounds(&start, &end)) {
    if (KeyEqualsAt(tree, form, start + HeaderSize(form), end, name)) {
      size_t keyLength = name.ascii ? name.length * UnitSize(form) : kUnknownKeyLength;
      return ParseNode(tree, form, start, parent.end, child, keyLength);
    }
  }
  return false;
}

bool IsStringFileInfo(ByteView tree, BlockForm form, const Node& node) {
  static const Name kKey = MakeName(kStringFileInfo, sizeof(kStringFileInfo) - 1);
  return KeyEqualsAt(tree, form, node.keyStart, node.end, kKey);
}

// Writes the narrow copy of a string node's value: UTF-16 becomes UTF-8, a
// narrow value is copied byte for byte; either stops at its NUL.
void CopyStringValue(ByteView tree, BlockForm form, const Node& node, char* out, size_t room) {
  size_t used = 0;
  if (form == BlockForm::kNarrow) {
    size_t count = node.valueLength < node.end - node.valueStart ? node.valueLength
                                                                 : node.end - node.valueStart;
    for (size_t i = 0; i < count && tree.data[node.valueStart + i] != 0 && used + 1 < room; ++i) {
      out[used++] = static_cast<char>(tree.data[node.valueStart + i]);
    }
  } else {
    // Some linkers count this length in bytes rather than characters; the
    // value stops at its NUL or at the node's end either way.
    size_t bytes = 2u * node.valueLength;
    if (bytes > node.end - node.valueStart) bytes = node.end - node.valueStart;
    ByteView units{tree.data + node.valueStart, bytes & ~static_cast<size_t>(1)};
    size_t unit = 0;
    while (unit < units.size / 2) {
      uint8_t low = units.data[2 * unit], high = units.data[2 * unit + 1];
      if (high == 0 && low < 0x80) {  // ASCII, the usual case
        if (low == 0 || used + 2 > room) break;
        out[used++] = static_cast<char>(low);
        ++unit;
        continue;
      }
      uint32_t codePoint = NextCodePoint(units, &unit);
      if (codePoint == 0) break;
      char encoded[4];
      size_t count = EncodeUtf8(codePoint, encoded);
      if (used + count + 1 > room) break;
      std::memcpy(out + used, encoded, count);
      used += count;
    }
  }
  if (room > 0) out[used] = '\0';
}

// Makes the narrow copies of every value under "\StringFileInfo\<table>\".
void CopyStrings(ByteView tree, BlockForm form, const Node& root, uint8_t* copies) {
  Children tops(tree, form, root);
  Node top, table, string;
  while (tops.Next(&top)) {
    if (!IsStringFileInfo(tree, form, top)) continue;
    Children tables(tree, form, top);
    while (tables.Next(&table)) {
      Children strings(tree, form, table);
      while (strings.Next(&string)) {
        size_t at = CopyOffset(string.valueStart);
        size_t room = CopyOffset(string.end) - at + 2;
        CopyStringValue(tree, form, string, reinterpret_cast<char*>(copies + at), room);
      }
    }
  }
}

// Counts layouts, so that a block laid out anew at the same address is told
// apart from the one before it.
uint32_t layoutGeneration = 0;

// The lookups of one report all share the prefix "\StringFileInfo\<table>\":
// the node that prefix reached last is kept, and lookups that share it start
// there instead of at the root.
struct TableCache {
  const uint8_t* block = nullptr;
  uint32_t generation = 0;
  size_t prefixLength = 0;
  char prefix[64] = {};
  Node node;
  bool underStrings = false;
};
TableCache tableCache;

// The length the root node claims, when `resource` starts with a usable root.
bool RootLength(ByteView resource, BlockForm form, uint16_t* length) {
  if (!ReadU16(resource, 0, length)) return false;
  // The tree is what the root claims; bytes the file lacks read as zero.
  ByteView claimed{resource.data, *length < resource.size ? *length : resource.size};
  Node root;
  return ParseNode(claimed, form, 0, claimed.size, &root);
}

size_t BlockSizeFor(uint16_t rootLength) {
  return CopyAreaStart(rootLength) + CopyAreaSize(rootLength);
}

}  // namespace

size_t VersionBlockSize(ByteView resource, BlockForm form) {
  uint16_t length = 0;
  return RootLength(resource, form, &length) ? BlockSizeFor(length) : 0;
}

bool LayOutVersionBlock(ByteView resource, BlockForm form, uint8_t* block, size_t blockSize) {
  uint16_t length = 0;
  if (!RootLength(resource, form, &length) || BlockSizeFor(length) > blockSize) return false;
  // Bytes the file lacks read as zero. The copy area is not cleared: every
  // copy is written whole, with its NUL, before any lookup can reach it.
  size_t copied = length < resource.size ? length : resource.size;
  std::memcpy(block, resource.data, copied);
  std::memset(block + copied, 0, AlignUp4(length) - copied);
  uint8_t* tag = block + AlignUp4(length);
  std::memcpy(tag, form == BlockForm::kWide ? kWideTag : kNarrowTag, kTagIdSize);
  if (++layoutGeneration == 0) ++layoutGeneration;
  for (size_t i = 0; i < 4; ++i)
    tag[kTagIdSize + i] = static_cast<uint8_t>(layoutGeneration >> (8 * i));
  ByteView tree{block, length};
  Node root;
  if (!ParseNode(tree, form, 0, tree.size, &root)) return false;
  CopyStrings(tree, form, root, block + CopyAreaStart(length));
  return true;
}

bool QueryVersionBlock(const uint8_t* block, const char* subBlock, const uint8_t** value,
                       size_t* length) {
  if (block == nullptr || subBlock == nullptr) return false;
  const size_t treeSize = static_cast<size_t>(block[0] | (block[1] << 8));
  const uint8_t* tag = block + AlignUp4(treeSize);
  BlockForm form;
  if (std::memcmp(tag, kWideTag, kTagIdSize) == 0) {
    form = BlockForm::kWide;
  } else if (std::memcmp(tag, kNarrowTag, kTagIdSize) == 0) {
    form = BlockForm::kNarrow;
  } else {
    return false;  // never laid out: a zero-filled block has no tag
  }
  const uint32_t generation = static_cast<uint32_t>(tag[4]) | (static_cast<uint32_t>(tag[5]) << 8) |
                              (static_cast<uint32_t>(tag[6]) << 16) |
                              (static_cast<uint32_t>(tag[7]) << 24);
  ByteView tree{block, treeSize};
  Node node;
  size_t depth = 0;
  bool underStrings = false;
  const char* at = subBlock;
  if (tableCache.block == block && tableCache.generation == generation &&
      std::strncmp(subBlock, tableCache.prefix, tableCache.prefixLength) == 0) {
    node = tableCache.node;
    depth = 2;
    underStrings = tableCache.underStrings;
    at += tableCache.prefixLength;
  } else if (!ParseNode(tree, form, 0, tree.size, &node)) {
    return false;
  }
  while (*at != '\0') {
    if (*at == '\\') {
      ++at;
      continue;
    }
    size_t nameLength = std::strcspn(at, "\\");
    Node child;
    if (!FindChild(tree, form, node, MakeName(at, nameLength), &child)) return false;
    if (depth == 0) underStrings = IsStringFileInfo(tree, form, child);
    node = child;
    ++depth;
    at += nameLength;
    size_t prefixLength = static_cast<size_t>(at - subBlock) + 1;
    if (depth == 2 && *at == '\\' && prefixLength < sizeof(tableCache.prefix)) {
      tableCache.block = block;
      tableCache.generation = generation;
      std::memcpy(tableCache.prefix, subBlock, prefixLength);
      tableCache.prefixLength = prefixLength;
      tableCache.node = node;
      tableCache.underStrings = underStrings;
    }
  }
  if (underStrings && depth == 3) {
    const uint8_t* copy = block + CopyAreaStart(treeSize) + CopyOffset(node.valueStart);
    *value = copy;
    *length = node.valueLength == 0 ? 0 : std::strlen(reinterpret_cast<const char*>(copy)) + 1;
    return true;
  }
  *value = block + node.valueStart;
  *length = node.valueBytes;
  return true;
}
