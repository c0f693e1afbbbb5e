// The enumeration learns what each entry is (from the directory entry itself,
// or by opening a literal name). It notes the last regular file it yielded,
// with the descriptor it opened it with, if any, so that reading that file's
// version resource next needs neither a second look at its type nor a second
// open: fewer system calls for every file of a large run.
#pragma once

// Notes that `directory` + `name` (a native path) is a regular file, open as
// `fd` (-1 when not open). A note not taken is closed when the next is made.
void NoteRegularFile(const char* directory, const char* name, int fd);

// Whether `nativePath` is the file last noted; `*fd` then receives its open
// descriptor, or -1. The note is used up either way.
bool TakeRegularFileNote(const char* nativePath, int* fd);
