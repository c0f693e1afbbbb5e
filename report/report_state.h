// The report's process-wide state, shared along the one call chain of a file:
// the loaded block, the chosen table's prefix and the last lookup's results.
#pragma once

#include <cstddef>

extern unsigned char* versionData;             // the loaded block, while a file is reported
extern size_t versionDataSize;                 // its allocated size, the 100 zero bytes included
extern char stringTablePrefix[64];             // "\StringFileInfo\llllcccc\"
extern char queryPath[512];                    // prefix and key of one lookup
extern char labelText[512];                    // the Japanese label being printed
extern const char* fieldValue;                 // text of the last string lookup
extern unsigned int valueLength;               // length of the last lookup of any kind
extern const unsigned char* translationEntry;  // first translation entry

// Whether `length` bytes at `pointer` lie inside the loaded block. The
// platform's lookups hand back pointers into the block; they are checked
// before anything is read through them.
bool InsideVersionData(const void* pointer, size_t length);

// Length of the text at `text` up to its NUL or the block's end.
size_t BoundedTextLength(const char* text);
