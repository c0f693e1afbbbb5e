// Linux stand-ins for the few platform functions kelo calls: the version API,
// global memory, directory enumeration and the lead-byte test. They take the
// names, argument orders and results that the shared code expects of the
// platform, so the report and command-line code compile unchanged on both.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>

#define WINAPI

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using SIZE_T = size_t;
using HANDLE = void*;
using HGLOBAL = void*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// The longest path the Linux build handles; names are at most 255 bytes.
constexpr size_t MAX_PATH = 260;
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))

// Version API. Version strings are returned as UTF-8, the ANSI code page of a
// Linux console.

// Size of the block that GetFileVersionInfoA fills for `path`, or 0 when the
// file has no version resource or cannot be read. `handle` is a token for the
// following GetFileVersionInfoA call.
DWORD WINAPI GetFileVersionInfoSizeA(const char* path, DWORD* handle);

// Fills `data` (`size` bytes) with the version block of `path`. The block is
// left zero when the file no longer holds a block of at most `size` bytes.
BOOL WINAPI GetFileVersionInfoA(const char* path, DWORD handle, DWORD size, void* data);

// Looks up `subBlock` ("\", "\VarFileInfo\Translation",
// "\StringFileInfo\<lang><cp>\<key>") in a block filled by GetFileVersionInfoA.
BOOL WINAPI VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length);

// Global memory: fixed blocks, zero-filled when asked.
constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_ZEROINIT = 0x0040;
HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
void* WINAPI GlobalLock(HGLOBAL memory);
BOOL WINAPI GlobalUnlock(HGLOBAL memory);
HGLOBAL WINAPI GlobalFree(HGLOBAL memory);

// Directory enumeration.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// What the enumeration tells of one entry.
struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  char cFileName[MAX_PATH];
};

// Starts enumerating the entries that `spec` (directory, then a name with '*'
// and '?') matches. Returns INVALID_HANDLE_VALUE when nothing matches.
HANDLE WINAPI FindFirstFileA(const char* spec, WIN32_FIND_DATAA* found);
BOOL WINAPI FindNextFileA(HANDLE find, WIN32_FIND_DATAA* found);
BOOL WINAPI FindClose(HANDLE find);

// Whether `byte` opens a double-byte character in the active code page. The
// Linux console's code page is UTF-8, which has no such bytes.
BOOL WINAPI IsDBCSLeadByte(BYTE byte);
